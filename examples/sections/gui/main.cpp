// orvanta-sections-gui: a project of cross-sections and their properties, in a
// window. The first steps of every host program: the version, the item
// prototypes, the application object, the message boxes, the start announced;
// then the offer to recover what a run that died left, and the event loop.
#include <QApplication>

#include <boost/make_shared.hpp>

#include <orvanta/messages/SignalManager.hpp>
#include <orvanta/platform/MessageBox.hpp>
#include <orvanta/platform/ModuleVersionInfo.hpp>

#include "MainWindow.hpp"
#include "QtHost.hpp"

int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  Orvanta::SetProgramVersion(1, 0, 0, 1, L"1.0.0");
  Sections::RegisterSectionPrototypes();
  const auto app = boost::make_shared<Sections::SectionsApplication>();
  QApplication::setApplicationDisplayName(Sections::Q(app->ProgramName()));

  Sections::MainWindow window(app);
  Orvanta::SetMessageBoxHandler(Sections::MessageBoxesOf(&window));
  Orvanta::Signals::SignalManager::Instance()->AppStarted(app);
  window.resize(1000, 680);
  window.show();
  window.OfferRecovery();
  if (argc > 1) window.OpenProject(QString::fromLocal8Bit(argv[1]));

  const int code = qt.exec();
  Orvanta::SetMessageBoxHandler(nullptr);
  app->CloseProgramLog();
  return code;
}
