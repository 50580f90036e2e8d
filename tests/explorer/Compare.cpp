// What is shown is what is saved. A saved or uploaded document is opened in a
// second editor of the explorer's own (built but never shown, so the user's
// windows keep their focus), brought to the page and rows the user's editor
// shows, and every control there is compared with the user's: values of
// disabled controls too, numbers by the value their text stands for, combo
// boxes by the item chosen (their item texts may be older than the record),
// swatches by the colour painted. A page that stores a value other than the
// one it shows fails here, where a reader-writer round trip cannot see it.
#include "Explorer.h"

#include "ConfigPages.h"
#include "DialogTemplate.h"
#include "DlgConfigMain.h"
#include "InputNumber.h"
#include "SelectCombo.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QPixmap>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <map>
#include <memory>
#include <utility>

namespace kt::explore {

int ControlId(const QWidget* w) {
  const QVariant id = w->property("kt_id");
  return id.isValid() ? id.toInt() : -1;
}

bool IsDialogWidget(const QWidget* w) { return w && w->property("kt_dialog").toBool(); }

int TemplateOf(QWidget* w) {
  auto* d = dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(w));
  return d ? static_cast<int>(d->GetTemplateId()) : -1;
}

namespace {

using kt::res::Kind;

Kind KindOf(const QWidget* w) { return static_cast<Kind>(w->property("kt_kind").toInt() - 1); }

// The controls of a page and of the sub-dialogs it shows, by dialog template
// and control id.
struct Controls {
  std::map<std::pair<int, int>, QWidget*> byId;
  QString subDialogs;
};

void Collect(QWidget* dialog, Controls& out) {
  const int dialogId = TemplateOf(dialog);
  for (QWidget* w : dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (IsDialogWidget(w)) {
      if (!w->isHidden()) {
        out.subDialogs += QStringLiteral(" %1").arg(TemplateOf(w));
        Collect(w, out);
      }
    } else if (ControlId(w) != -1) {
      out.byId.emplace(std::pair{dialogId, ControlId(w)}, w);
    }
  }
}

// A number input's text by the value it stands for, in the input's own
// format ("1.5" and "1.500" are one value); any other text as it is.
QString EditValue(QWidget* w) {
  CWnd* wnd = CWnd::FromHandlePermanent(w);
  if (!wnd) return {};
  const QString text = wnd->GetWindowText();
  bool ok = false;
  QString value;
  if (auto* f = dynamic_cast<CInputNumberFloat*>(wnd)) {
    const double v = QLocale::c().toDouble(text, &ok);
    if (ok && std::isfinite(v)) value = f->FormatValue(v + 0.0);  // -0 is 0
  } else if (dynamic_cast<CInputNumberInt*>(wnd)) {
    value = QString::number(QLocale::c().toLongLong(text, &ok));
  } else if (dynamic_cast<CInputNumberUint*>(wnd)) {
    value = QString::number(QLocale::c().toULongLong(text, &ok));
  } else if (auto* m = dynamic_cast<CInputNumberMulti*>(wnd)) {
    value = QString::number(text.toULongLong(&ok, m->m_nRadix));
  }
  return ok && !value.isEmpty() ? QStringLiteral("the number %1").arg(value) : QStringLiteral("\"%1\"").arg(text);
}

// What a control shows of the record; empty for what shows nothing stored
// (buttons, group frames, lists that choose the row, tabs).
QString Value(QWidget* w, QWidget* page, std::unique_ptr<QImage>& picture) {
  switch (KindOf(w)) {
    case Kind::CheckBox:
    case Kind::RadioButton:
      return static_cast<QAbstractButton*>(w)->isChecked() ? QStringLiteral("checked") : QStringLiteral("not checked");
    case Kind::Static:
      if (auto* label = qobject_cast<QLabel*>(w)) return QStringLiteral("\"%1\"").arg(label->text());
      return {};
    case Kind::Frame: {
      // A swatch: the colour its page paints under it.
      if (!picture) picture = std::make_unique<QImage>(page->grab().toImage());
      return QStringLiteral("colour %1").arg(picture->pixelColor(w->mapTo(page, w->rect().center())).name());
    }
    case Kind::Edit: return EditValue(w);
    case Kind::ComboDropDown:
    case Kind::ComboDropList: {
      // The kit's combo box may show a window of its items: the item it
      // stands for, not the row.
      if (auto* select = dynamic_cast<CSelectCombo*>(CWnd::FromHandlePermanent(w)))
        return QStringLiteral("item %1").arg(select->GetCurItem());
      auto* combo = qobject_cast<QComboBox*>(w);
      return combo ? QStringLiteral("row %1").arg(combo->currentIndex()) : QString();
    }
    case Kind::IpAddress: {
      // By its four numbers ("065" is 65), when it has them.
      auto* ip = dynamic_cast<CIPAddressCtrl*>(CWnd::FromHandlePermanent(w));
      if (!ip) return {};
      BYTE b[4] = {};
      if (ip->GetAddress(b[0], b[1], b[2], b[3]) == 4)
        return QStringLiteral("the address %1.%2.%3.%4").arg(b[0]).arg(b[1]).arg(b[2]).arg(b[3]);
      return QStringLiteral("\"%1\"").arg(ip->GetWindowText());
    }
    default: return {};
  }
}

// Controls of a page that show nothing the document carries: the mail
// page's template number and the display page's flicker channels choose
// what a button edits; the guest login and password of the network
// services page are kept in the record only.
bool IsNotInTheDocument(const std::pair<int, int>& key) {
  static const std::pair<int, int> kControls[] = {{156, 1080}, {198, 1416}, {198, 1423},
                                                  {198, 1425}, {142, 1139}, {142, 1140}};
  return std::find(std::begin(kControls), std::end(kControls), key) != std::end(kControls);
}

QString Shown(QWidget* w, const QString& value) {
  QString s = value;
  if (auto* combo = qobject_cast<QComboBox*>(w)) s += QStringLiteral(" \"%1\"").arg(combo->currentText());
  if (!w->isEnabled()) s += QStringLiteral(" (disabled)");
  if (w->isHidden()) s += QStringLiteral(" (hidden)");
  return s;
}

}  // namespace

Comparison CompareWithSaved(CDlgConfigMain& user, const kt::DeviceConfig& saved) {
  Comparison result;
  const int pageIndex = user.m_nCurPage;
  if (pageIndex < 0 || pageIndex >= static_cast<int>(user.m_pages.size())) return result;
  CTabDialog* mine = user.m_pages[static_cast<std::size_t>(pageIndex)].get();
  result.where = QStringLiteral("page %1 \"%2\"")
                     .arg(mine->GetTemplateId())
                     .arg(QString::fromUtf8(ConfigPageTable()[static_cast<std::size_t>(pageIndex)].label));

  auto second = std::make_unique<CDlgConfigMain>();
  second->m_config = saved;
  second->Create(CDlgConfigMain::IDD, nullptr);
  if (second->m_nCurPage != pageIndex) {
    second->m_tab.SetCurSel(pageIndex);
    LRESULT ignored = 0;
    second->OnTcnSelchangeTab(nullptr, &ignored);
  }
  if (second->m_nCurPage != pageIndex) {
    result.notCompared = QStringLiteral("the page could not be shown");
    return result;
  }
  CTabDialog* theirs = second->m_pages[static_cast<std::size_t>(pageIndex)].get();

  // The rows the user's lists show (the channel, the pen), chosen as a user
  // chooses them.
  for (QWidget* w : mine->GetSafeHwnd()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (KindOf(w) != Kind::ListBox || ControlId(w) == -1) continue;
    auto* myList = dynamic_cast<CListBox*>(CWnd::FromHandlePermanent(w));
    CWnd* theirWnd = theirs->GetDlgItem(ControlId(w));
    auto* theirList = dynamic_cast<CListBox*>(theirWnd);
    if (!myList || !theirList) continue;
    const int row = myList->GetCurSel();
    result.where += QStringLiteral(", list %1 row %2").arg(ControlId(w)).arg(row + 1);
    if (row >= 0 && theirList->GetCurSel() != row) {
      theirList->SetCurSel(row);
      theirs->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(ControlId(w)), LBN_SELCHANGE),
                          reinterpret_cast<LPARAM>(theirWnd->GetSafeHwnd()));
    }
    if (theirList->GetCurSel() != row) {
      result.notCompared = QStringLiteral("row %1 of list %2 could not be chosen").arg(row + 1).arg(ControlId(w));
      return result;
    }
  }

  Controls shown, opened;
  Collect(mine->GetSafeHwnd(), shown);
  Collect(theirs->GetSafeHwnd(), opened);
  if (shown.subDialogs != opened.subDialogs) {
    result.differences << QStringLiteral("it shows the sub-dialogs%1, the document opened again%2")
                              .arg(shown.subDialogs,
                                   opened.subDialogs.isEmpty() ? QStringLiteral(" none") : opened.subDialogs);
  }
  std::unique_ptr<QImage> myPicture, theirPicture;
  for (const auto& [key, w] : shown.byId) {
    const auto other = opened.byId.find(key);
    if (other == opened.byId.end() || IsNotInTheDocument(key)) continue;  // a sub-dialog that differs is said above
    const QString a = Value(w, mine->GetSafeHwnd(), myPicture);
    const QString b = Value(other->second, theirs->GetSafeHwnd(), theirPicture);
    if (a == b) continue;
    result.differences << QStringLiteral("control %1 of dialog %2 shows %3, the document opened again %4")
                              .arg(key.second)
                              .arg(key.first)
                              .arg(Shown(w, a), Shown(other->second, b));
  }
  return result;
}

}  // namespace kt::explore
