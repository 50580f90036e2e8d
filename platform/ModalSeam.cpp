#include "ModalSeam.h"

#include "App.h"
#include "Modal.h"
#include "WndPrivate.h"

#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

namespace kt {

namespace {
ModalHandler* g_handler = nullptr;
int g_handlerModals = 0;

// A box or file or colour dialog that a test's handler answers stands for a
// modal window: while it is answered, input held back during a request and
// handed back now goes nowhere, as it would behind the real one.
class HandlerModal {
 public:
  HandlerModal() { ++g_handlerModals; }
  ~HandlerModal() { --g_handlerModals; }
  HandlerModal(const HandlerModal&) = delete;
  HandlerModal& operator=(const HandlerModal&) = delete;
};

QWidget* ActiveParent() { return QApplication::activeWindow(); }
}  // namespace

ModalHandler* SetModalHandler(ModalHandler* handler) {
  ModalHandler* prev = g_handler;
  g_handler = handler;
  return prev;
}

ModalHandler* GetModalHandler() { return g_handler; }

namespace detail {

bool IsHandlerModalOpen() { return g_handlerModals > 0; }

void RequireInteractive(const QString& what) {
  if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
    Fatal(QStringLiteral("modal UI with nobody to answer it (no modal handler installed): %1").arg(what));
  }
}

void ActivateWindow(QWidget* w) {
  if (!w) return;
#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
  QApplication::setActiveWindow(w);
#else
  w->activateWindow();
#endif
}

}  // namespace detail

int RunMessageBox(const MessageBoxRequest& request) {
  if (g_handler) {
    const HandlerModal modal;
    return g_handler->OnMessageBox(request);
  }
  detail::RequireInteractive(QStringLiteral("message box \"%1\"").arg(request.text));
  QMessageBox box(ActiveParent());
  box.setWindowTitle(request.caption);
  QString text = request.text;
  text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  box.setText(text);
  switch (request.icon) {
    case MB_ICONERROR: box.setIcon(QMessageBox::Critical); break;
    case MB_ICONWARNING: box.setIcon(QMessageBox::Warning); break;
    case MB_ICONINFORMATION: box.setIcon(QMessageBox::Information); break;
    case MB_ICONQUESTION: box.setIcon(QMessageBox::Question); break;
    default: break;
  }
  QPushButton* ok = box.addButton(QMessageBox::Ok);
  QPushButton* cancel = nullptr;
  if (request.buttons == MB_OKCANCEL) cancel = box.addButton(QMessageBox::Cancel);
  box.setDefaultButton(ok);
  box.setEscapeButton(cancel ? cancel : ok);
  box.exec();
  return box.clickedButton() == cancel && cancel ? IDCANCEL : IDOK;
}

UINT RunMenu(const MenuRequest& request) {
  if (g_handler) {
    UINT id = g_handler->OnMenu(request);
    for (const MenuItem& item : request.items) {
      if (!item.separator && item.id == id) return item.grayed ? 0 : id;
    }
    return 0;
  }
  detail::RequireInteractive(QStringLiteral("popup menu"));
  QMenu menu;
  for (const MenuItem& item : request.items) {
    if (item.separator) {
      menu.addSeparator();
      continue;
    }
    QAction* a = menu.addAction(item.text);
    a->setData(item.id);
    a->setEnabled(!item.grayed);
  }
  QAction* chosen = menu.exec(QPoint(request.point.x, request.point.y));
  return chosen ? chosen->data().toUInt() : 0;
}

std::optional<QString> RunFileDialog(const FileDialogRequest& request) {
  if (g_handler) {
    const HandlerModal modal;
    return g_handler->OnFileDialog(request);
  }
  detail::RequireInteractive(QStringLiteral("file dialog"));
  // "Name|pattern|Name|pattern||" becomes "Name (pattern);;Name (pattern)".
  QStringList parts = request.filter.split(QLatin1Char('|'));
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    if (parts[i].isEmpty()) break;
    QString patterns = parts[i + 1];
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    filters << QStringLiteral("%1 (%2)").arg(parts[i], patterns);
  }
  QFileDialog dlg(ActiveParent());
  dlg.setAcceptMode(request.open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
  dlg.setFileMode(request.open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  if (!filters.isEmpty()) dlg.setNameFilters(filters);
  if (!request.defaultExt.isEmpty()) dlg.setDefaultSuffix(request.defaultExt);
  if (!(request.flags & OFN_OVERWRITEPROMPT)) dlg.setOption(QFileDialog::DontConfirmOverwrite);
  QString name = request.fileName;
  if (!name.isEmpty() && !name.contains(QLatin1Char('*'))) dlg.selectFile(name);
  if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return std::nullopt;
  return dlg.selectedFiles().first();
}

std::optional<COLORREF> RunColorDialog(const ColorDialogRequest& request) {
  if (g_handler) {
    const HandlerModal modal;
    return g_handler->OnColorDialog(request);
  }
  detail::RequireInteractive(QStringLiteral("colour dialog"));
  QColor initial = (request.flags & CC_RGBINIT) ? detail::ToQColor(request.initial) : QColor(Qt::black);
  QColor c = QColorDialog::getColor(initial, ActiveParent());
  if (!c.isValid()) return std::nullopt;
  return detail::FromQColor(c);
}

}  // namespace kt
