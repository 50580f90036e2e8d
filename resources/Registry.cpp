#include "DialogTemplate.h"

#include <map>

namespace kt::res {
namespace {

// Function-local statics: registrars of other files run during static
// initialisation, in no particular order.
std::map<int, const DialogTemplate*>& Templates() {
  static std::map<int, const DialogTemplate*> map;
  return map;
}

std::map<int, const char*>& Strings() {
  static std::map<int, const char*> map;
  return map;
}

}  // namespace

const DialogTemplate* FindDialogTemplate(int id) {
  auto it = Templates().find(id);
  return it == Templates().end() ? nullptr : it->second;
}

void RegisterDialogTemplate(const DialogTemplate* tmpl) {
  if (tmpl) Templates()[tmpl->id] = tmpl;
}

const char* FindString(int id) {
  auto it = Strings().find(id);
  return it == Strings().end() ? nullptr : it->second;
}

void RegisterStrings(std::span<const StringEntry> entries) {
  for (const StringEntry& e : entries) Strings()[e.id] = e.text;
}

}  // namespace kt::res
