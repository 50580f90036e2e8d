// Readers of the device's small documents, over the shared cursor.
//
// Every body reads into a flags word; only the info and status readers
// return it. The logs, mail and memory-card readers trace what they miss but
// report nothing: their callers clear the records first and show whatever
// arrived.
#include <cstring>
#include <iterator>

#include "DeviceDocuments.h"
#include "JsonCursor.h"

namespace kt {

namespace {

// Parses the text, runs `body(flags)` with the cursor at the root and
// releases the document. Not JSON gives 4 before the body can touch anything.
template <class Body>
u32 ReadDocument(const char* text, std::size_t length, bool reportFlags, Body body) {
  json_t* root = JsonOpenDocument(text, length);
  if (!root) return JSON_READ_PARSE_ERROR;
  u32 flags = 0;
  body(flags);
  JsonCloseDocument(root);
  return reportFlags ? flags : 0;
}

template <std::size_t N>
void ReadOctets(const char* key, u8 (&octets)[N], u32& flags) {
  JSON_ARRAY_OPEN(key);
  for (std::size_t k = 0; k < N; ++k) getALONG(k, octets[k], flags);
  JSON_CLOSE();
}

// The shape shared by the three logs: the array "Log" of up to 32 objects,
// each with its "Time" of seven numbers, then the entry's own keys.
template <class Entry, class Keys>
void ReadLog(Entry* entries, u32& flags, Keys keys) {
  JSON_ARRAY_OPEN("Log");
  for (int i = 0; i < kLogEntryCount; ++i) {
    Entry& entry = entries[i];
    JSON_ARRAY_OBJ_OPEN(static_cast<std::size_t>(i));
    JSON_ARRAY_OPEN("Time");
    for (int k = 0; k < kLogTimeCount; ++k) getALONG(static_cast<std::size_t>(k), entry.Time[k], flags);
    JSON_CLOSE();
    keys(entry);
    JSON_CLOSE();
  }
  JSON_CLOSE();
}

// The status texts hold the state as a word, possibly among others.
bool Contains(const char* text, const char* word) { return std::strstr(text, word) != nullptr; }

}  // namespace

u32 JsonReadInfo(DeviceInfo* info, const char* text, std::size_t length) {
  return ReadDocument(text, length, true, [info](u32& flags) {
    JSON_OBJ_OPEN("VERSION");
    getINT("MAJ", info->MAJ, 0, 65535, flags);
    getINT("MIN", info->MIN, 0, 65535, flags);
    getINT("SUB", info->SUB, 0, 65535, flags);
    getINT("CPU", info->CPU, 0, 65535, flags);
    JSON_CLOSE();
    ReadOctets("MAC", info->MAC, flags);
    JSON_OBJ_OPEN("LAN");
    ReadOctets("IPADDRESS", info->IPADDRESS, flags);
    ReadOctets("SUBNETMASK", info->SUBNETMASK, flags);
    ReadOctets("DEFAULTGATEWAY", info->DEFAULTGATEWAY, flags);
    ReadOctets("DNS1", info->DNS1, flags);
    ReadOctets("DNS2", info->DNS2, flags);
    JSON_CLOSE();
  });
}

u32 JsonReadStatus(DeviceStatus* status, const char* text, std::size_t length) {
  return ReadDocument(text, length, true, [status](u32& flags) {
    // A missing text leaves its buffer empty, and the states are derived
    // from the empty text all the same: stopped, no card.
    char rec[32] = {};
    char sd[32] = {};
    getSTR("Rec", rec, flags);
    getSTR("Sd", sd, flags);
    if (Contains(rec, "stop")) {
      status->Rec = kRecStop;
    } else if (Contains(rec, "start")) {
      status->Rec = kRecStart;
    } else if (Contains(rec, "trig")) {
      status->Rec = kRecTrig;
    } else {
      status->Rec = kRecStop;
    }
    status->Sd = Contains(sd, "ON") ? 0 : 1;
  });
}

u32 JsonReadSystemLog(SystemLogEntry* entries, const char* text, std::size_t length) {
  return ReadDocument(text, length, false, [entries](u32& flags) {
    ReadLog(entries, flags, [&flags](SystemLogEntry& e) { getSTR("Message", e.Message, flags); });
  });
}

u32 JsonReadComLog(ComLogEntry* entries, const char* text, std::size_t length) {
  return ReadDocument(text, length, false, [entries](u32& flags) {
    ReadLog(entries, flags, [&flags](ComLogEntry& e) {
      getSTR("Type", e.Type, flags);
      getINT("Count", e.Count, 0, 4, flags);
      getSTR("Result", e.Result, flags);
      getSTR("FormFile", e.FormFile, flags);
      getSTR("Message", e.Message, flags);
    });
  });
}

u32 JsonReadEventLog(EventLogEntry* entries, const char* text, std::size_t length) {
  return ReadDocument(text, length, false, [entries](u32& flags) {
    ReadLog(entries, flags, [&flags](EventLogEntry& e) {
      getSTR("Type", e.Type, flags);
      getINT("No", e.No, 0, 4, flags);
      getSTR("Name", e.Name, flags);
      getSTR("Comment", e.Comment, flags);
      getSTR("Coller", e.Coller, flags);  // the device's own spelling
      getSTR("Message", e.Message, flags);
    });
  });
}

u32 JsonReadMail(MailSubjectList* mail, const char* text, std::size_t length) {
  return ReadDocument(text, length, false, [mail](u32& flags) {
    JSON_OBJ_OPEN("MAIL");
    JSON_ARRAY_OPEN("F");
    for (std::size_t i = 0; i < std::size(mail->SUBJECT); ++i) {
      JSON_ARRAY_OBJ_OPEN(i);
      getSTR("SUBJECT", mail->SUBJECT[i], flags);
      JSON_CLOSE();
    }
    JSON_CLOSE();
    JSON_CLOSE();
  });
}

u32 JsonReadSdInfo(SdInfo* sd, const char* text, std::size_t length) {
  return ReadDocument(text, length, false, [sd](u32& flags) {
    JSON_OBJ_OPEN("SDINFO");
    getSTR("Sd", sd->Sd, flags);
    getSTR("SPACE", sd->SPACE, flags);
    getSTR("SIZE", sd->SIZE, flags);
    JSON_CLOSE();
  });
}

}  // namespace kt
