// The editor window's pages, in tab order: one row per page.
#pragma once

#include "NormalDialog.h"

#include <span>

struct ConfigPageEntry {
  const char* label;  // the tab's text
  UINT templateId;
  // A new page object (the caller owns it) with the given parent window.
  CTabDialog* (*create)(CWnd* pParent);
};

// Every page of the editor, in tab order; a row's index is its tab index.
std::span<const ConfigPageEntry> ConfigPageTable();
