// The Qt widgets behind dialogs and the controls that Qt has no match for.
// Not for use outside platform/.
#pragma once

#include "WinTypes.h"

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QTabBar>
#include <QTableWidget>
#include <QWidget>

#include <array>

namespace kt::detail {

// A modal dialog's widget.
class KtDialog : public QDialog {
 public:
  explicit KtDialog(QWidget* parent);

 protected:
  void keyPressEvent(QKeyEvent* ev) override;
  void closeEvent(QCloseEvent* ev) override;
  void paintEvent(QPaintEvent* ev) override;
  void contextMenuEvent(QContextMenuEvent* ev) override;
};

// A dialog created as a child window (tab page, sub-dialog).
class KtPage : public QWidget {
 public:
  explicit KtPage(QWidget* parent);

 protected:
  void keyPressEvent(QKeyEvent* ev) override;
  void paintEvent(QPaintEvent* ev) override;
  void contextMenuEvent(QContextMenuEvent* ev) override;
};

// A combo box that tells when its list opens and closes.
class KtComboBox : public QComboBox {
 public:
  explicit KtComboBox(QWidget* parent) : QComboBox(parent) {}
  void showPopup() override;
  void hidePopup() override;
  bool IsDropped() const { return m_dropped; }

 private:
  bool m_dropped = false;
};

// Tab control: a row of tabs over a framed display area. Pages are children
// of this widget, placed on the display area by their owner.
class KtTabCtrl : public QWidget {
 public:
  explicit KtTabCtrl(QWidget* parent);
  QTabBar* Bar() const { return m_bar; }
  QRect DisplayRect(const QRect& client) const;
  QRect WindowRect(const QRect& display) const;

 protected:
  void resizeEvent(QResizeEvent* ev) override;
  void paintEvent(QPaintEvent* ev) override;

 private:
  QTabBar* m_bar;
};

// IPv4 address control: four fields of 0..255 with dots between them, in
// the frame of a line edit.
class KtIpAddress : public QWidget {
 public:
  explicit KtIpAddress(QWidget* parent);
  QLineEdit* Field(int i) const { return m_fields[static_cast<size_t>(i)]; }

 protected:
  bool eventFilter(QObject* obj, QEvent* ev) override;
  void resizeEvent(QResizeEvent* ev) override;
  void paintEvent(QPaintEvent* ev) override;

 private:
  std::array<QLineEdit*, 4> m_fields{};
  std::array<QWidget*, 3> m_dots{};
};

// List box (one row selected at most). The user can choose another row but
// not leave none: a click below the rows, or a Ctrl+click on the selected
// row, keeps it, as a list box does. (Qt would clear it, and a channel page
// would show a channel whose row is not selected.)
class KtListBox : public QListWidget {
 public:
  using QListWidget::QListWidget;

 protected:
  QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index, const QEvent* ev) const override;
};

// Report-style list view.
class KtListView : public QTableWidget {
 public:
  explicit KtListView(QWidget* parent);

 protected:
  void mouseReleaseEvent(QMouseEvent* ev) override;
  void mouseDoubleClickEvent(QMouseEvent* ev) override;
  QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index, const QEvent* ev) const override;

 private:
  void SendActivate(UINT code, const QPoint& pos);
};

}  // namespace kt::detail
