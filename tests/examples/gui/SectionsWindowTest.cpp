// The window of orvanta-sections-gui, driven as a user drives it, on Qt's
// offscreen platform. The run leaves pictures of the window, the options
// dialog and the message board in SECTIONS_SCREENSHOTS.
#include <QtTest>
#include <QtWidgets>

#include <boost/make_shared.hpp>

#include <orvanta/frame/OrvantaDLL.hpp>
#include <orvanta/platform/MessageBox.hpp>
#include <orvanta/platform/ModuleVersionInfo.hpp>

#include "MainWindow.hpp"
#include "QtHost.hpp"

using namespace Sections;

namespace {

// Presses `button` in the next message box, once it is shown, keeping its
// text in `text`.
void Press(QMessageBox::StandardButton button, QString* text) {
  QTimer::singleShot(0, [button, text] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    QVERIFY(box != nullptr);
    *text = box->text();
    box->button(button)->click();
  });
}

QAction* MenuAction(QWidget* window, const QString& text) {
  for (QAction* action : window->findChildren<QAction*>())
    if (action->text().remove('&') == text) return action;
  return nullptr;
}

void Type(MainWindow& window, const char* field, const QString& text) {
  auto* edit = window.findChild<QLineEdit*>(field);
  QVERIFY2(edit != nullptr, field);
  edit->selectAll();
  QTest::keyClicks(edit, text);
  QTest::keyClick(edit, Qt::Key_Return);
  QApplication::processEvents();  // the deferred refresh
}

QString Property(MainWindow& window, int row) {
  return window.findChild<QTableWidget*>("properties")->item(row, 1)->data(Qt::UserRole).toString();
}

void Picture(QWidget* widget, const char* name) {
  QApplication::processEvents();  // widgets a layout just took are shown late
  QDir().mkpath(SECTIONS_SCREENSHOTS);
  QVERIFY(widget->grab().save(QString(SECTIONS_SCREENSHOTS) + "/" + name + ".png"));
}

}  // namespace

class SectionsWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    Orvanta::SetProgramVersion(1, 0, 0, 1, L"1.0.0");
    RegisterSectionPrototypes();
  }

  // Every bitmap and cursor the library ships, as Qt reads it.
  void resourcesDecode() {
    for (unsigned int id = 1568; id <= 1571; ++id)
      QVERIFY(!PixmapOf(Orvanta::BitmapResource(id, Orvanta::OrvantaDLL::Instance())).isNull());
    for (unsigned int id = 1500; id <= 1503; ++id) {
      QPoint hotSpot(-1, -1);
      const QImage image =
          CursorImageOf(Orvanta::CursorResource(id, Orvanta::OrvantaDLL::Instance()), &hotSpot);
      QVERIFY2(image.rect().contains(hotSpot), qPrintable(QString::number(id)));
    }
  }

  void editUndoSaveReopenAndClose() {
    QTemporaryDir folder;
    const QString file = folder.filePath("beams.xml");
    auto app = boost::make_shared<SectionsApplication>();
    {
      MainWindow window(app);
      window.resize(1000, 680);
      window.show();
      MenuAction(&window, "Rectangle")->trigger();
      const auto rectangle = window.Selected();
      QVERIFY(rectangle);
      Type(window, "breadth", "300 mm");
      Type(window, "depth", "0.5 m");
      QCOMPARE(Property(window, 1), QString("1500 cm<sup>2</sup>"));
      Type(window, "depth", "0.5 kg");  // refused, with a warning on the board
      QCOMPARE(rectangle->Dimensions()[1].value(), 0.5);
      QVERIFY(MenuAction(&window, "Undo Change dimensions of 'Rectangle 1'"));
      window.Undo();
      QCOMPARE(rectangle->Dimensions()[1].value(), 0.1);  // the prototype's; the breadth stays
      QCOMPARE(window.findChild<QLineEdit*>("depth")->text(), QString("100 mm"));
      window.Redo();
      for (const char* type : {"Circle", "Square", "Strip"}) MenuAction(&window, type)->trigger();
      QCOMPARE(window.Selected(), window.CurrentProject()->FindSection(L"Strip 1"));
      QVERIFY(window.SaveProjectAs(file));
      QVERIFY(window.windowTitle().startsWith("beams.xml") && !window.isWindowModified());
      window.Calculate();
      Picture(&window, "main-window");
      Picture(window.findChild<QDockWidget*>("messages"), "message-board");
      OptionsDialog options(*app, &window);
      options.show();
      Picture(&options, "options-dialog");
      const auto board = window.findChild<QTreeWidget*>("board");
      QCOMPARE(board->findItems("'0.5 kg'", Qt::MatchContains, 1).size(), 1);
    }
    {
      MainWindow window(app);
      window.show();
      window.OpenProject(file);
      QCOMPARE(window.CurrentProject()->NumItems(), 4u);
      QCOMPARE(window.findChild<QLineEdit*>("breadth")->text(), QString("300 mm"));
      Type(window, "breadth", "200");  // a bare number is in the system's unit
      QCOMPARE(window.Selected()->Dimensions()[0].value(), 0.2);
      QVERIFY(window.isWindowModified());
      // Closing with changes asks, in a message box: Cancel keeps the window,
      // No closes it without saving.
      Orvanta::SetMessageBoxHandler(MessageBoxesOf(&window));
      QString question;
      Press(QMessageBox::Cancel, &question);
      QVERIFY(!window.close() && window.isVisible());
      QVERIFY(question.contains("beams.xml"));
      Press(QMessageBox::No, &question);
      QVERIFY(window.close());
      Orvanta::SetMessageBoxHandler(nullptr);
    }
    const std::vector<Units::Length> saved = Project(PathOf(file)).Sections().at(0)->Dimensions();
    QCOMPARE(saved[0].value(), 0.3);
    QCOMPARE(saved[1].value(), 0.5);  // the redone change
  }
};

int main(int argc, char** argv) {
  // Options, recovery copies and the recent projects of this run only.
  QTemporaryDir home;
  qputenv("XDG_DATA_HOME", home.filePath("data").toLocal8Bit());
  qputenv("XDG_DOCUMENTS_DIR", home.filePath("documents").toLocal8Bit());
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication qt(argc, argv);
  SectionsWindowTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "SectionsWindowTest.moc"
