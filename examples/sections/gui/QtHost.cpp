#include "QtHost.hpp"

#include <QApplication>
#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QMessageBox>

#include <orvanta/platform/TextConversion.hpp>

namespace Sections {

QString FileName(const Orvanta::wpath& path) {
  return QFile::decodeName(QByteArray::fromStdString(Orvanta::path_to_string(path)));
}

Orvanta::wpath PathOf(const QString& fileName) {
  return Orvanta::string_to_path(QFile::encodeName(fileName).toStdString());
}

QPixmap PixmapOf(const Orvanta::Resource& bitmap) {
  QPixmap pixmap;
  const std::vector<unsigned char>& data = bitmap.Data();
  pixmap.loadFromData(data.data(), static_cast<uint>(data.size()), "BMP");
  return pixmap;
}

QImage CursorImageOf(const Orvanta::CursorResource& cursor, QPoint* hotSpot) {
  const std::vector<unsigned char>& data = cursor.Data();
  // The first directory entry (from byte 6) holds the hot spot where an
  // icon file holds its planes and bit count: x at byte 10, y at 12.
  if (hotSpot != nullptr && data.size() >= 14)
    *hotSpot = QPoint(data[10] | data[11] << 8, data[12] | data[13] << 8);
  return QImage::fromData(data.data(), static_cast<int>(data.size()), "ICO");
}

QCursor CursorOf(const Orvanta::CursorResource& cursor) {
  QPoint hotSpot;
  const QImage image = CursorImageOf(cursor, &hotSpot);
  if (image.isNull()) return QCursor(Qt::ArrowCursor);
  return QCursor(QPixmap::fromImage(image), hotSpot.x(), hotSpot.y());
}

Orvanta::MessageBoxHandler MessageBoxesOf(QWidget* parent) {
  return [parent](const std::wstring& text, const std::wstring& caption, unsigned int style) {
    QMessageBox box(parent);
    box.setWindowTitle(caption.empty() ? QApplication::applicationDisplayName() : Q(caption));
    box.setText(Q(text));
    switch (style & 0xF0u) {
      case Orvanta::MessageBoxIconQuestion:
        box.setIcon(QMessageBox::Question);
        break;
      case Orvanta::MessageBoxIconExclamation:
        box.setIcon(QMessageBox::Warning);
        break;
      default:
        box.setIcon(QMessageBox::Information);
    }
    switch (style & 0x0Fu) {
      case Orvanta::MessageBoxYesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Cancel);
        break;
      case Orvanta::MessageBoxYesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
        break;
      default:
        box.setStandardButtons(QMessageBox::Ok);
    }
    switch (box.exec()) {
      case QMessageBox::Yes:
        return static_cast<int>(Orvanta::AnswerYes);
      case QMessageBox::No:
        return static_cast<int>(Orvanta::AnswerNo);
      case QMessageBox::Ok:
        return static_cast<int>(Orvanta::AnswerOk);
      default:  // Cancel, or the box closed
        return static_cast<int>((style & 0x0Fu) == Orvanta::MessageBoxYesNo
                                    ? Orvanta::AnswerNo
                                    : Orvanta::AnswerCancel);
    }
  };
}

namespace {

// A letter of a symbol font, as the Greek letter it shows.
QChar SymbolLetter(char c) {
  static const char16_t lower[] = u"αβχδεφγηιϕκλμνοπθρστυϖωξψζ";
  static const char16_t upper[] = u"ΑΒΧΔΕΦΓΗΙϑΚΛΜΝΟΠΘΡΣΤΥςΩΞΨΖ";
  if (c >= 'a' && c <= 'z') return QChar(lower[c - 'a']);
  if (c >= 'A' && c <= 'Z') return QChar(upper[c - 'A']);
  return QChar::fromLatin1(c);
}

}  // namespace

PainterText::PainterText(const std::string& text, QPainter* painter, QPointF origin,
                         const QFont& font)
    : TextDraw(text), painter_(painter), origin_(origin), base_(font), font_(font) {}

void PainterText::ResetAll() {
  TextDraw::ResetAll();
  font_ = base_;
  superscript_ = subscript_ = symbol_ = false;
  x_ = 0;
  next_ = 0;
}

void PainterText::SkipTags() {
  const std::string& text = Text();
  while (next_ < text.size() && text[next_] == '<') {
    std::size_t end = text.find('>', next_);
    if (end == std::string::npos) end = text.size() - 1;
    const std::string name = text.substr(next_ + 1, end - next_ - 1);
    if (name == "sub") subscript_ = true;
    if (name == "/sub") subscript_ = false;
    next_ = end + 1;
  }
}

void PainterText::DrawText(const std::string& piece) {
  SkipTags();
  next_ += piece.size();
  QString shown = QString::fromUtf8(piece.data(), static_cast<qsizetype>(piece.size()));
  if (symbol_) {
    shown.clear();
    for (const char c : piece) shown += SymbolLetter(c);
  }
  QFont font = font_;
  qreal shift = 0;
  const qreal ascent = QFontMetricsF(base_).ascent();
  if (superscript_ || subscript_) {
    if (base_.pointSizeF() > 0)
      font.setPointSizeF(base_.pointSizeF() * 0.7);
    else
      font.setPixelSize(qMax(1, base_.pixelSize() * 7 / 10));
    shift = superscript_ ? -0.4 * ascent : 0.25 * ascent;
  }
  const QFontMetricsF metrics(font);
  if (painter_ != nullptr) {
    painter_->setFont(font);
    painter_->drawText(origin_ + QPointF(x_, shift), shown);
  }
  x_ += metrics.horizontalAdvance(shown);
}

qreal PainterText::Draw() {
  DrawString();
  const qreal width = x_;
  if (painter_ != nullptr) painter_->setFont(base_);
  return width;
}

qreal PainterText::Width(const std::string& text, const QFont& font) {
  return PainterText(text, nullptr, QPointF(), font).Draw();
}

void TaggedTextDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
  QStyleOptionViewItem plain = option;
  initStyleOption(&plain, index);
  plain.text.clear();
  QApplication::style()->drawControl(QStyle::CE_ItemViewItem, &plain, painter);
  const std::string text = index.data(Qt::UserRole).toString().toStdString();
  const QFontMetricsF metrics(option.font);
  const QPointF origin(option.rect.left() + 4,
                       option.rect.center().y() + (metrics.ascent() - metrics.descent()) / 2);
  painter->save();
  painter->setPen(option.palette.color(
      option.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
  PainterText(text, painter, origin, option.font).Draw();
  painter->restore();
}

QSize TaggedTextDelegate::sizeHint(const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const {
  const std::string text = index.data(Qt::UserRole).toString().toStdString();
  const QSize size = QStyledItemDelegate::sizeHint(option, index);
  return QSize(static_cast<int>(PainterText::Width(text, option.font)) + 8, size.height());
}

}  // namespace Sections
