#include "AppPreferences.h"

namespace kt {

namespace {
AppPreferences g_builtinPreferences;
AppPreferences* g_activePreferences = &g_builtinPreferences;
}  // namespace

AppPreferences& ActivePreferences() { return *g_activePreferences; }

AppPreferences* SetActivePreferences(AppPreferences* prefs) {
  AppPreferences* previous = g_activePreferences;
  g_activePreferences = prefs ? prefs : &g_builtinPreferences;
  return previous;
}

}  // namespace kt
