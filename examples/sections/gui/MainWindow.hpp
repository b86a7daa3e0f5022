// The window of orvanta-sections-gui: the list of sections, the dimensions of
// the selected one, its properties, a drawing of the project and the message
// board, with the menus of a document program.
#pragma once

#include <map>
#include <memory>

#include <boost/shared_ptr.hpp>

#include <QDialog>
#include <QMainWindow>
#include <QTimer>
#include <QWidget>

#include <orvanta/application/DocumentRecovery.hpp>
#include <orvanta/application/LatestVersionCheck.hpp>
#include <orvanta/documents/EditHistory.hpp>
#include <orvanta/geometry/KeyboardPress.hpp>
#include <orvanta/messages/Message.hpp>

#include "SectionsApplication.hpp"
#include "UnitSystem.hpp"

class QAction;
class QCheckBox;
class QComboBox;
class QFormLayout;
class QLineEdit;
class QListWidget;
class QMenu;
class QTableWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace Sections {

// Draws every section of the project side by side to one scale, the selected
// one highlighted, each with its name and area under it. Keys pressed on it
// go to the signal hub (KeyboardPressNotify), where the window hears them.
class SectionCanvas : public QWidget {
 public:
  explicit SectionCanvas(QWidget* parent);
  void Show(boost::shared_ptr<const Project> project, boost::shared_ptr<const SectionItem> selected,
            const UnitSystem& units);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  boost::shared_ptr<const Project> project_;
  boost::shared_ptr<const SectionItem> selected_;
  UnitSystem units_ = UnitSystem::Named("si");
};

// The program options the library keeps, edited; OK saves them.
class OptionsDialog : public QDialog {
 public:
  OptionsDialog(SectionsApplication& app, QWidget* parent);
  // Sets the options from the controls, saves them and announces the change;
  // false (with a message box) when the file cannot be written.
  bool Apply();

 private:
  SectionsApplication& app_;
  QComboBox* threshold_;
  QComboBox* engine_;
  QCheckBox* backup_;
  QLineEdit* extension_;
  QCheckBox* log_;
  QCheckBox* append_;
};

class MainWindow : public QMainWindow {
 public:
  // Works on `app`'s current document (a new project when there is none).
  // Questions go through the library's message-box handler, which the
  // program points at QMessageBox (MessageBoxesOf).
  explicit MainWindow(boost::shared_ptr<SectionsApplication> app);
  ~MainWindow() override;

  // Offers each project of a run that died, one question each: Yes recovers
  // it (the last one recovered stays open), No drops its copy.
  void OfferRecovery();
  // Writes the recovery copy now, as the autosave timer does every minute.
  void Autosave();
  // Starts the latest-version check; a timer polls it without waiting.
  void CheckLatestVersion();

  void NewProject();
  void OpenProject(const QString& fileName);
  // Saves; asks for a file name for a project never saved. False when not
  // saved (the user cancelled, or the write failed, as the board tells).
  bool SaveProject();
  bool SaveProjectAs(const QString& fileName);
  void AddSection(const std::wstring& type);
  void Undo();
  void Redo();
  // Shows lengths in the catalogue's unit of that label ("mm", "in"), and the
  // other quantities in the units nearest its powers.
  void UseUnits(const std::string& label);
  // Runs the calculation of every section, its log on the board.
  void Calculate();

  boost::shared_ptr<Project> CurrentProject() const { return app_->CurrentProject(); }
  boost::shared_ptr<SectionItem> Selected() const;
  const Orvanta::LatestVersionCheck& VersionCheck() const { return version_check_; }

  void OnMessage(boost::shared_ptr<Orvanta::Message> message, bool flag);
  void OnKey(boost::shared_ptr<Orvanta::KeyboardPress> press);
  void OnHistoryChanged(const Orvanta::EditHistory& history);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void MakeMenus();
  // After the document was replaced: a new history, and everything shown.
  void Attach();
  // Shows the project again, keeping the selection when it is still there.
  void Refresh();
  void ShowSelected();
  void EditDimensions();
  void RemoveSelected();
  void DuplicateSelected();
  void Report();
  void ShowOptions();
  void FillRecentMenu();
  QString AskFileName(bool save);
  // Runs `action`; an exception becomes an error message on the board.
  template <class Function>
  void Guarded(Function&& action);
  void AddToBoard(const Orvanta::Message& message, QTreeWidgetItem* parent);

  boost::shared_ptr<SectionsApplication> app_;
  std::unique_ptr<Orvanta::EditHistory> history_;
  std::unique_ptr<Orvanta::DocumentRecovery> recovery_;
  Orvanta::LatestVersionCheck version_check_;
  UnitSystem units_ = UnitSystem::Named("si");
  QTimer autosave_timer_;
  QTimer version_timer_;

  QListWidget* sections_;
  QWidget* editor_;
  QFormLayout* dimensions_;
  QTableWidget* properties_;
  SectionCanvas* canvas_;
  QTreeWidget* board_;
  QAction* undo_;
  QAction* redo_;
  QMenu* recent_;
  QComboBox* units_chooser_;
  // The board's rows of top-level messages, to mark them read.
  std::map<QTreeWidgetItem*, boost::shared_ptr<Orvanta::Message>> messages_;
};

}  // namespace Sections
