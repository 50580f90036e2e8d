// The tool's own preferences for the life of the process: the serial port
// ("KT2057CFG"/"COM") and the tag-message switch ("KT2057CFG"/"TAG_MESSAGE").
// Start-up reads both from the profile; the port dialog and the editor window
// change them and write them back.
//
// The application object owns them. It lives in app/, above every library
// that reads them, so it derives from AppPreferences and registers itself
// with SetActivePreferences(); until something registers, a process-wide
// instance of this library stands in (the tests use it).
#pragma once

namespace kt {

struct AppPreferences {
  int m_nCom = 1;         // serial port number, counted from 1 (1..256)
  int m_bTagMessage = 1;  // BOOL
};

// The live instance. Never null.
AppPreferences& ActivePreferences();

// Makes `prefs` the live instance (nullptr: back to the built-in one) and
// returns the one it replaces, so a caller can restore it.
AppPreferences* SetActivePreferences(AppPreferences* prefs);

// Profile section and entries of the preferences.
inline constexpr const char kProfileSection[] = "KT2057CFG";
inline constexpr const char kProfileCom[] = "COM";
inline constexpr const char kProfileTagMessage[] = "TAG_MESSAGE";

}  // namespace kt
