// What a Qt program needs to show the library's services: text and file
// names, the library's bitmaps and cursors as pixmaps and cursors, its
// message boxes as QMessageBox, and its tagged text drawn on a QPainter.
#pragma once

#include <string>

#include <QCursor>
#include <QFont>
#include <QPainter>
#include <QPixmap>
#include <QString>
#include <QStyledItemDelegate>

#include <orvanta/geometry/TextDraw.hpp>
#include <orvanta/platform/MessageBox.hpp>
#include <orvanta/platform/Resource.hpp>
#include <orvanta/platform/Types.hpp>

namespace Sections {

inline QString Q(const std::wstring& text) { return QString::fromStdWString(text); }
inline QString Q(const std::string& utf8) { return QString::fromStdString(utf8); }
inline std::wstring W(const QString& text) { return text.toStdWString(); }
// File names as the system spells them (any bytes on POSIX).
QString FileName(const Orvanta::wpath& path);
Orvanta::wpath PathOf(const QString& fileName);

// A bitmap resource (a BMP file) as a pixmap; a null pixmap when Qt cannot
// read it.
QPixmap PixmapOf(const Orvanta::Resource& bitmap);
// A cursor resource (a .cur file: an icon file whose entries carry a hot
// spot) as a cursor with that hot spot, through Qt's ico reader. The image
// is null when Qt cannot read it (no ico plugin).
QImage CursorImageOf(const Orvanta::CursorResource& cursor, QPoint* hotSpot = nullptr);
QCursor CursorOf(const Orvanta::CursorResource& cursor);

// The library's questions and warnings as message boxes of `parent`: the
// handler to give Orvanta::SetMessageBoxHandler. The answer is the library's
// (AnswerYes, AnswerNo, AnswerCancel, AnswerOk).
Orvanta::MessageBoxHandler MessageBoxesOf(QWidget* parent);

// Draws tagged text ("I<sub>x</sub> = 312500 cm<sup>4</sup>") on a painter:
// <sup> raised and smaller, <bold>, <italic>, <symbol> (Latin letters as the
// Greek ones of a symbol font: "<symbol>f</symbol>" is φ). The library's
// tags have no subscript; the tags it does not know it skips, and this
// painter reads <sub> and </sub> among them, from the text between the runs.
class PainterText : public Orvanta::TextDraw {
 public:
  // Draws on `painter` (none: measures only) from `origin`, the left end of
  // the baseline, in `font`.
  PainterText(const std::string& text, QPainter* painter, QPointF origin, const QFont& font);

  void SuperscriptOn() override { superscript_ = true; }
  void SuperscriptOff() override { superscript_ = false; }
  void BoldOn() override { font_.setBold(true); }
  void BoldOff() override { font_.setBold(false); }
  void ItalicOn() override { font_.setItalic(true); }
  void ItalicOff() override { font_.setItalic(false); }
  void SymbolOn() override { symbol_ = true; }
  void SymbolOff() override { symbol_ = false; }
  void ResetAll() override;
  void DrawText(const std::string& piece) override;

  // Draws the whole text; returns the width it took.
  qreal Draw();
  // The width `text` takes in `font`.
  static qreal Width(const std::string& text, const QFont& font);

 private:
  // Reads the tags between the last run and the next, from `next_`.
  void SkipTags();

  QPainter* painter_;
  QPointF origin_;
  QFont base_;
  QFont font_;
  qreal x_ = 0;
  std::size_t next_ = 0;
  bool superscript_ = false;
  bool subscript_ = false;
  bool symbol_ = false;
};

// Shows the Qt::UserRole text of a cell (tagged) through PainterText.
class TaggedTextDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace Sections
