#include "DeviceHooks.h"

#include <cstdio>
#include <utility>

#include "ConnectionSettings.h"

namespace kt {

namespace {

ConnectionSettings g_builtinConnection;
ConnectionSettings* g_activeConnection = &g_builtinConnection;

DeviceHooks g_hooks;

}  // namespace

ConnectionSettings& ActiveConnection() { return *g_activeConnection; }

ConnectionSettings* SetActiveConnection(ConnectionSettings* settings) {
  ConnectionSettings* previous = g_activeConnection;
  g_activeConnection = settings ? settings : &g_builtinConnection;
  return previous;
}

DeviceHooks& DeviceLinkHooks() { return g_hooks; }

ScopedDeviceHooks::ScopedDeviceHooks(DeviceHooks hooks) : m_saved(std::exchange(g_hooks, std::move(hooks))) {}

ScopedDeviceHooks::~ScopedDeviceHooks() { g_hooks = std::move(m_saved); }

bool RunLoginDialog() { return g_hooks.runLoginDialog ? g_hooks.runLoginDialog() : false; }

void ShowDeviceMessage(const QString& text, MessageIcon icon) {
  if (g_hooks.showMessage) {
    g_hooks.showMessage(text, icon);
    return;
  }
  std::fprintf(stderr, "KT2057CFG: %s\n", text.toLocal8Bit().constData());
}

WaitCursor::WaitCursor() {
  if (g_hooks.beginWaitCursor) g_hooks.beginWaitCursor();
}

WaitCursor::~WaitCursor() {
  if (g_hooks.endWaitCursor) g_hooks.endWaitCursor();
}

}  // namespace kt
