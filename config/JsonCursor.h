// Shared machinery of the JSON document readers: result flags, the cursor of
// open containers, the container operations, the read operations and their
// trace lines.
//
// Usage, for any document:
//
//     u32 flags = 0;
//     json_t* root = JsonOpenDocument(text, length);   // cursor at the root
//     if (!root) return JSON_READ_PARSE_ERROR;         // line already traced
//     JSON_OBJ_OPEN("VERSION");
//     getINT("MAJ", info->MAJ, 0, 65535, flags);
//     JSON_CLOSE();
//     JsonCloseDocument(root);                         // cursor reset, root released
//     return flags;
//
// Every lookup takes the key's own name in the current container. A missing
// container makes the current container "none" and every lookup inside it then
// finds nothing (and traces it). The cursor is module state: one reader at a
// time, on one thread; no reader calls another.
#pragma once

#include <jansson.h>

#include <cstddef>
#include <cstdint>

#include "DeviceConfig.h"

namespace kt {

// Result flags of every reader.
inline constexpr u32 JSON_READ_UNKNOWN_TAG = 1;   // key/element missing or of the wrong type
inline constexpr u32 JSON_READ_OUT_OF_RANGE = 2;  // value out of range, unknown name, other model
inline constexpr u32 JSON_READ_PARSE_ERROR = 4;   // not JSON; always returned alone

inline constexpr int JSON_NEST_MAX = 32;

// The cursor. Slots hold borrowed references; only the root's is released.
extern json_t* g_jsonStack[JSON_NEST_MAX];
extern int g_jsonDepth;
extern json_t* g_jsonCurrent;

// ---- trace lines ----

// Receives each trace line, "\r\n" included. nullptr restores the default,
// which writes the lines to standard output.
using JsonTraceSink = void (*)(void* context, const char* line, std::size_t length);
void JsonSetTraceSink(JsonTraceSink sink, void* context);
// A sink that drops every line; with it installed nothing is even formatted.
void JsonDiscardTrace(void* context, const char* line, std::size_t length);
void JsonTrace(const char* format, ...) __attribute__((format(printf, 1, 2)));

// ---- documents ----

// Parses `length` bytes of `text` (no zero byte needed) and puts the cursor at
// the root. On a parse failure traces "PARSE_ERROR: JSON_OPEN" and returns
// nullptr with the cursor reset.
json_t* JsonOpenDocument(const char* text, std::size_t length);
// Resets the cursor and releases the root (nullptr is allowed).
void JsonCloseDocument(json_t* root);

// Member `key` of the current container; nullptr when the key is null or the
// current container is none or not an object.
json_t* JsonGetMember(const char* key);

// ---- container operations (never set a flag) ----
// Each open goes one level deeper and returns whether the new current
// container exists; close every open with JSON_CLOSE, found or not.

bool JSON_OBJ_OPEN(const char* key);
// As JSON_OBJ_OPEN, but a missing section is silent: the caller skips it
// (reads none of its keys) when this returns false, and still closes it.
bool JSON_OBJ_OPEN_MASTER(const char* key);
bool JSON_ARRAY_OPEN(const char* key);
// Element `index` of the current array.
bool JSON_ARRAY_OBJ_OPEN(std::size_t index);
void JSON_CLOSE();

// ---- read operations ----
// Each looks `key` up in the current container, checks the JSON type and the
// range, and writes the field only when both pass. A missing or mistyped value
// sets JSON_READ_UNKNOWN_TAG, a failed check JSON_READ_OUT_OF_RANGE, each with
// its trace line. Ranges are inclusive and compared with the whole 64-bit
// value.

// JSON integer only.
void getINT(const char* key, u8& field, u32 min, u32 max, u32& flags);
void getINT(const char* key, u16& field, u32 min, u32 max, u32& flags);
void getINT(const char* key, i16& field, u32 min, u32 max, u32& flags);
void getINT(const char* key, i32& field, u32 min, u32 max, u32& flags);
void getINT(const char* key, u32& field, u32 min, u32 max, u32& flags);

// JSON integer or real, accepted from -1000000 to 1000000.
void getNUM(const char* key, f64& field, u32& flags);

// JSON string holding a hexadecimal number (see JsonParseHex).
void getHEX(const char* key, u8& field, std::int64_t min, std::int64_t max, u32& flags);
void getHEX(const char* key, u16& field, std::int64_t min, std::int64_t max, u32& flags);
void getHEX(const char* key, u32& field, std::int64_t min, std::int64_t max, u32& flags);

// JSON string into a char[size] field: the field is cleared, then at most
// size-1 bytes are kept, cut before a UTF-8 character that would not fit
// whole. A long text is no fault.
void getSTR(const char* key, char* field, std::size_t size, u32& flags);
template <std::size_t N>
inline void getSTR(const char* key, char (&field)[N], u32& flags) {
  getSTR(key, field, N, flags);
}

// JSON string equal to a name of ValueNameTable at index `base` or later; the
// field gets the name's distance from `base`.
void getENUM(const char* key, u32& field, int base, u32& flags);

// JSON array under `key`: elements 0..count-1 must be strings, each converted
// as by getHEX and stored without a range check (low 32 bits). Extra elements
// are ignored; a missing or mistyped one keeps its field.
void getAHEX(const char* key, u32* fields, int count, u32& flags);

// Element `index` of the current array (opened with JSON_ARRAY_OPEN): a JSON
// integer whose low bits go into the field's width without a range check. A
// missing or mistyped element traces "getALONG UNKNOWN_ARRAY: <index>", keeps
// the field and sets JSON_READ_UNKNOWN_TAG (readers that report no flags
// simply drop them).
void getALONG(std::size_t index, u8& field, u32& flags);
void getALONG(std::size_t index, u16& field, u32& flags);

// Hexadecimal text to a 64-bit value: leading white space, an optional sign
// and an optional "0x"/"0X"; digits up to the first non-digit; no digits give
// 0; values beyond the 64-bit range saturate. Independent of the locale.
std::int64_t JsonParseHex(const char* text);

}  // namespace kt
