#include "MainWindow.hpp"

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDockWidget>
#include <QFileDialog>
#include <QFormLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPainter>
#include <QSplitter>
#include <QStatusBar>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <boost/date_time/posix_time/posix_time.hpp>
#include <boost/make_shared.hpp>

#include <orvanta/frame/OrvantaDLL.hpp>
#include <orvanta/messages/Broadcast.hpp>
#include <orvanta/messages/CompositeMessage.hpp>
#include <orvanta/messages/SignalManager.hpp>
#include <orvanta/platform/Error.hpp>
#include <orvanta/platform/LibraryText.hpp>
#include <orvanta/platform/MessageBox.hpp>
#include <orvanta/platform/ShellOpen.hpp>
#include <orvanta/platform/SystemError.hpp>
#include <orvanta/platform/TextConversion.hpp>

#include "PropertiesCommand.hpp"
#include "QtHost.hpp"
#include "Report.hpp"

namespace Sections {
namespace {

Orvanta::Signals::SignalManager* Hub() { return Orvanta::Signals::SignalManager::Instance(); }

// The keys the window acts on, as the hub carries them (virtual-key codes).
constexpr unsigned short kKeyDelete = 0x2E, kKeyUp = 0x26, kKeyDown = 0x28;

}  // namespace

SectionCanvas::SectionCanvas(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setMinimumSize(360, 220);
  setAutoFillBackground(true);
  setPalette(QPalette(Qt::white));
  // The library's "dropping" cursor: here sections are looked at, not moved.
  setCursor(CursorOf(Orvanta::CursorResource(1501, Orvanta::OrvantaDLL::Instance())));
}

void SectionCanvas::Show(boost::shared_ptr<const Project> project,
                         boost::shared_ptr<const SectionItem> selected, const UnitSystem& units) {
  project_ = project;
  selected_ = selected;
  units_ = units;
  update();
}

void SectionCanvas::paintEvent(QPaintEvent*) {
  if (!project_) return;
  const auto sections = project_->Sections();
  if (sections.empty()) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const qreal margin = 16, gap = 24, textRoom = 2.6 * fontMetrics().height();
  double widths = 0, tallest = 0;
  for (const auto& section : sections) {
    const Outline outline = section->Drawing();
    widths += outline.width.value();
    tallest = std::max(tallest, outline.height.value());
  }
  const qreal across = width() - 2 * margin - gap * (sections.size() - 1);
  const qreal down = height() - 2 * margin - textRoom;
  if (across <= 0 || down <= 0 || widths <= 0 || tallest <= 0) return;
  const qreal scale = std::min(across / widths, down / tallest);  // pixels a metre
  qreal x = margin;
  for (const auto& section : sections) {
    const Outline outline = section->Drawing();
    const QRectF box(x, margin + (tallest - outline.height.value()) * scale,
                     outline.width.value() * scale, outline.height.value() * scale);
    const bool chosen = section == selected_;
    painter.setPen(QPen(chosen ? QColor(0, 90, 200) : Qt::black, chosen ? 2.5 : 1.5));
    painter.setBrush(chosen ? QColor(210, 228, 255) : QColor(235, 235, 235));
    switch (outline.kind) {
      case Outline::Circle:
        painter.drawEllipse(box);
        break;
      case Outline::Strip:
        painter.drawPolyline(
            QPolygonF({box.bottomLeft(), box.topLeft(), box.topRight(), box.bottomRight()}));
        break;
      default:
        painter.drawRect(box);
    }
    painter.setPen(Qt::black);
    const qreal baseline = margin + tallest * scale + fontMetrics().ascent() + 4;
    const qreal name = PainterText(Orvanta::wstring_to_string(section->Name()), &painter,
                                   QPointF(x, baseline), font())
                           .Draw();
    const SectionProperties properties = PropertiesOf(*section);
    const qreal area = PainterText("A = " + InUnit(properties.area, units_.AreaUnit()) + " " +
                                       TaggedLabel(units_.AreaUnit().Units()),
                                   &painter, QPointF(x, baseline + fontMetrics().height()), font())
                           .Draw();
    x += std::max({box.width(), name, area}) + gap;
  }
}

void SectionCanvas::keyPressEvent(QKeyEvent* event) {
  unsigned short key = 0;
  switch (event->key()) {
    case Qt::Key_Delete:
      key = kKeyDelete;
      break;
    case Qt::Key_Up:
      key = kKeyUp;
      break;
    case Qt::Key_Down:
      key = kKeyDown;
      break;
    default:
      QWidget::keyPressEvent(event);
      return;
  }
  Orvanta::KeyboardPress::ShiftState shift;
  shift[0] = event->modifiers().testFlag(Qt::ShiftModifier);
  shift[1] = event->modifiers().testFlag(Qt::AltModifier);
  shift[2] = event->modifiers().testFlag(Qt::ControlModifier);
  const QString text = event->text();
  const char character = text.size() == 1 && text[0].unicode() < 0x80 ? text[0].toLatin1() : 0;
  Hub()->KeyboardPressNotify(boost::make_shared<Orvanta::KeyboardPress>(
      Orvanta::KeyboardPress::KeyDown, key, character, shift));
}

OptionsDialog::OptionsDialog(SectionsApplication& app, QWidget* parent)
    : QDialog(parent), app_(app) {
  setWindowTitle(tr("Options"));
  auto* form = new QFormLayout;
  threshold_ = new QComboBox;
  for (int severity = 0; severity <= 3; ++severity)
    threshold_->addItem(Q(Orvanta::LibraryText(1920 + severity)));
  threshold_->setCurrentIndex(app.MessageThreshold());
  engine_ = new QComboBox;
  engine_->addItems({tr("None"), tr("MSXML"), tr("xsltproc")});
  engine_->setCurrentIndex(app.XSLTEngine());
  backup_ = new QCheckBox(tr("Keep the previous version when saving"));
  backup_->setChecked(app.AutomaticBackup());
  extension_ = new QLineEdit(Q(app.BackupExtension()));
  log_ = new QCheckBox(tr("Write a program log"));
  log_->setChecked(app.WriteProgramLog());
  append_ = new QCheckBox(tr("Append to the log of the last run"));
  append_->setChecked(app.AppendToLog());
  form->addRow(tr("Show messages from"), threshold_);
  form->addRow(tr("Report engine"), engine_);
  form->addRow(backup_);
  form->addRow(tr("Backup extension"), extension_);
  form->addRow(log_);
  form->addRow(append_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, [this] {
    if (Apply()) accept();
  });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
}

bool OptionsDialog::Apply() {
  Orvanta::BaseApplication::SetMessageThreshold(threshold_->currentIndex());
  app_.SetXSLTEngine(
      static_cast<Orvanta::BaseApplication::XSLTEngineType>(engine_->currentIndex()));
  Orvanta::BaseApplication::SetAutomaticBackup(backup_->isChecked());
  if (!extension_->text().trimmed().isEmpty())
    Orvanta::BaseApplication::SetBackupExtension(extension_->text().trimmed().toStdString());
  app_.SetWriteProgramLog(log_->isChecked());
  app_.SetAppendToLog(append_->isChecked());
  if (!app_.SaveUserOptions()) {
    app_.ExclamationBox(L"The options file '" + Orvanta::path_to_wstring(app_.ConfigFile()) +
                        L"' cannot be written.");
    return false;
  }
  app_.SignalProgramOptionsChanged();
  return true;
}

MainWindow::MainWindow(boost::shared_ptr<SectionsApplication> app) : app_(app) {
  setWindowTitle(Q(app_->ProgramName()));
  sections_ = new QListWidget;
  sections_->setObjectName("sections");
  editor_ = new QWidget;
  dimensions_ = new QFormLayout(editor_);
  properties_ = new QTableWidget(0, 2);
  properties_->setObjectName("properties");
  properties_->setHorizontalHeaderLabels({tr("Property"), tr("Value")});
  properties_->horizontalHeader()->setStretchLastSection(true);
  properties_->verticalHeader()->hide();
  properties_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  properties_->setItemDelegate(new TaggedTextDelegate(properties_));
  canvas_ = new SectionCanvas(this);
  canvas_->setObjectName("canvas");

  units_chooser_ = new QComboBox;
  units_chooser_->setObjectName("units");
  for (const Units::Length& unit : Units::Catalogue<Units::Length>())
    units_chooser_->addItem(Q(unit.Units()));
  units_chooser_->setCurrentText(Q(units_.LengthUnit().Units()));
  connect(units_chooser_, &QComboBox::currentTextChanged, this,
          [this](const QString& label) { UseUnits(label.toStdString()); });
  auto* side = new QWidget;
  auto* sideLayout = new QVBoxLayout(side);
  sideLayout->addWidget(sections_, 1);
  sideLayout->addWidget(units_chooser_);
  sideLayout->addWidget(editor_);
  sideLayout->addWidget(properties_, 2);
  properties_->setMinimumHeight(250);
  auto* splitter = new QSplitter;
  splitter->addWidget(side);
  splitter->addWidget(canvas_);
  splitter->setStretchFactor(1, 1);
  setCentralWidget(splitter);

  board_ = new QTreeWidget;
  board_->setObjectName("board");
  board_->setHeaderLabels({tr("Time"), tr("Message")});
  board_->setColumnWidth(0, 170);
  connect(board_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* row) {
    const auto found = messages_.find(row);
    if (found != messages_.end()) found->second->MarkAsRead();
    row->setFont(1, board_->font());
  });
  auto* dock = new QDockWidget(tr("Messages"), this);
  dock->setObjectName("messages");
  dock->setWidget(board_);
  addDockWidget(Qt::BottomDockWidgetArea, dock);

  MakeMenus();
  statusBar();
  connect(sections_, &QListWidget::currentRowChanged, this, [this] { ShowSelected(); });

  Hub()->ConnectToBroadcast(this, &MainWindow::OnMessage);
  Hub()->ConnectToKeyboardPressNotify(this, &MainWindow::OnKey);
  recovery_.reset(new Orvanta::DocumentRecovery(*app_));
  connect(&autosave_timer_, &QTimer::timeout, this, &MainWindow::Autosave);
  autosave_timer_.start(60 * 1000);
  connect(&version_timer_, &QTimer::timeout, this, [this] {
    if (!version_check_.Poll()) version_timer_.stop();
  });
  if (!app_->GetDocument()) app_->NewDocument();
  Attach();
}

MainWindow::~MainWindow() {
  version_check_.Cancel();
  history_.reset();
  Hub()->DisconnectFromKeyboardPressNotify(this, &MainWindow::OnKey);
  Hub()->DisconnectFromBroadcast(this, &MainWindow::OnMessage);
}

void MainWindow::MakeMenus() {
  QMenu* file = menuBar()->addMenu(tr("&File"));
  file->addAction(tr("&New"), QKeySequence::New, this, [this] { NewProject(); });
  file->addAction(tr("&Open..."), QKeySequence::Open, this, [this] {
    const QString name = AskFileName(false);
    if (!name.isEmpty()) OpenProject(name);
  });
  recent_ = file->addMenu(tr("Open &Recent"));
  connect(recent_, &QMenu::aboutToShow, this, [this] { FillRecentMenu(); });
  file->addAction(tr("&Save"), QKeySequence::Save, this, [this] { SaveProject(); });
  file->addAction(tr("Save &As..."), QKeySequence::SaveAs, this, [this] {
    const QString name = AskFileName(true);
    if (!name.isEmpty()) SaveProjectAs(name);
  });
  file->addAction(tr("Save a &Copy As..."), this, [this] {
    const QString name = AskFileName(true);
    if (!name.isEmpty()) Guarded([&] { CurrentProject()->SaveCopyAs(PathOf(name)); });
  });
  file->addAction(tr("Re&vert"), this, [this] {
    if (!app_->HasDocumentPath()) return;
    Guarded([&] { CurrentProject()->Revert(); });
    Attach();  // the steps no longer describe the content
  });
  file->addAction(tr("&Close"), QKeySequence::Close, this, [this] { NewProject(); });
  file->addSeparator();
  file->addAction(tr("E&xit"), QKeySequence::Quit, this, [this] { close(); });

  QMenu* edit = menuBar()->addMenu(tr("&Edit"));
  undo_ = edit->addAction(tr("Undo"), QKeySequence::Undo, this, [this] { Undo(); });
  redo_ = edit->addAction(tr("Redo"), QKeySequence::Redo, this, [this] { Redo(); });
  edit->addSeparator();
  QMenu* add = edit->addMenu(tr("&Add"));
  for (const std::wstring& type : SectionTypes())
    add->addAction(Q(type), this, [this, type] { AddSection(type); });
  edit->addAction(tr("&Duplicate"), this, [this] { DuplicateSelected(); });
  edit->addAction(tr("&Remove"), this, [this] { RemoveSelected(); });
  edit->addSeparator();
  edit->addAction(tr("Sort by &name"), this, [this] {
    CurrentProject()->SortItemsByName();
    Refresh();
  });
  edit->addAction(tr("Sort by &type"), this, [this] {
    CurrentProject()->SortItemsByType();
    Refresh();
  });

  QMenu* tools = menuBar()->addMenu(tr("&Tools"));
  tools->addAction(tr("&Calculate"), this, [this] { Calculate(); });
  tools->addAction(tr("&Report"), this, [this] { Report(); });
  tools->addAction(tr("&Options..."), this, [this] { ShowOptions(); });

  QMenu* help = menuBar()->addMenu(tr("&Help"));
  help->addAction(tr("&User manual"), this, [this] { app_->OpenUserManual(); });
  help->addAction(tr("&Reference manual"), this, [this] { app_->OpenReferenceManual(); });
  help->addAction(tr("Check for the &latest version"), this, [this] { CheckLatestVersion(); });
  help->addAction(tr("&About"), this, [this] {
    Orvanta::ShowMessageBox(
        app_->ProgramName() + L" " + app_->FullReleaseVersion() + L"\n" + app_->HostText(),
        app_->ProgramName(), Orvanta::MessageBoxOk);
  });
}

void MainWindow::Attach() {
  history_.reset();
  if (auto project = CurrentProject()) {
    history_.reset(new Orvanta::EditHistory(*project));
    history_->Changed().Connect(this, &MainWindow::OnHistoryChanged);
  }
  Refresh();
  if (history_) OnHistoryChanged(*history_);
}

void MainWindow::OnHistoryChanged(const Orvanta::EditHistory& history) {
  undo_->setText(Q(history.UndoText()));
  undo_->setEnabled(history.CanUndo());
  redo_->setText(Q(history.RedoText()));
  redo_->setEnabled(history.CanRedo());
  setWindowModified(app_->HasDocumentChanged());
}

boost::shared_ptr<SectionItem> MainWindow::Selected() const {
  const auto project = CurrentProject();
  const int row = sections_->currentRow();
  if (!project || row < 0) return nullptr;
  const auto sections = project->Sections();
  return row < static_cast<int>(sections.size()) ? sections[row] : nullptr;
}

void MainWindow::Refresh() {
  const auto selected = Selected();
  const auto project = CurrentProject();
  const auto sections =
      project ? project->Sections() : std::vector<boost::shared_ptr<SectionItem>>();
  const QSignalBlocker block(sections_);
  // A section that went leaves the selection on its neighbour.
  int row = std::min(sections_->currentRow(), static_cast<int>(sections.size()) - 1);
  if (row < 0 && !sections.empty()) row = 0;
  sections_->clear();
  for (std::size_t i = 0; i < sections.size(); ++i) {
    sections_->addItem(
        new QListWidgetItem(QIcon(PixmapOf(sections[i]->DisplayIcon())), Q(sections[i]->Name())));
    if (sections[i] == selected) row = static_cast<int>(i);
  }
  sections_->setCurrentRow(row);
  const QString name = project && app_->HasDocumentPath()
                           ? FileName(app_->DocumentPath().filename())
                           : tr("Untitled");
  setWindowTitle(name + "[*] \u2014 " + Q(app_->ProgramName()));
  setWindowModified(app_->HasDocumentChanged());
  ShowSelected();
}

void MainWindow::ShowSelected() {
  const auto section = Selected();
  while (dimensions_->rowCount() > 0) dimensions_->removeRow(0);
  properties_->setRowCount(0);
  canvas_->Show(CurrentProject(), section, units_);
  if (!section) return;
  const auto names = section->DimensionNames();
  const auto values = section->Dimensions();
  for (std::size_t i = 0; i < names.size(); ++i) {
    auto* field = new QLineEdit(Q(Shown(values[i], units_.LengthUnit())));
    field->setObjectName(Q(names[i]));
    connect(field, &QLineEdit::editingFinished, this, [this, field] {
      if (field->isModified()) EditDimensions();
    });
    dimensions_->addRow(Q(names[i]), field);
  }
  const SectionProperties p = PropertiesOf(*section);
  const auto tagged = [](const auto& value, const auto& unit) {
    return InUnit(value, unit) + " " + TaggedLabel(unit.Units());
  };
  const std::vector<std::pair<std::string, std::string>> rows = {
      {"Perimeter", tagged(p.perimeter, units_.LengthUnit())},
      {"A", tagged(p.area, units_.AreaUnit())},
      {"S<sub>x</sub>", tagged(p.firstMoment, units_.VolumeUnit())},
      {"I<sub>x</sub>", tagged(p.secondMoment, units_.SecondMomentUnit())},
      {"J", tagged(p.polarMoment, units_.SecondMomentUnit())},
      {"r<sub>x</sub>", tagged(p.radiusOfGyration, units_.LengthUnit())},
      {"Aspect ratio", InUnit(Units::Length(p.aspectRatio), Units::Length(1.0))}};
  properties_->setRowCount(static_cast<int>(rows.size()));
  for (std::size_t i = 0; i < rows.size(); ++i)
    for (int column = 0; column < 2; ++column) {
      const std::string& text = column == 0 ? rows[i].first : rows[i].second;
      auto* cell = new QTableWidgetItem(Q(text));
      cell->setData(Qt::UserRole, Q(text));
      properties_->setItem(static_cast<int>(i), column, cell);
    }
  statusBar()->showMessage(p.warnings.empty() ? QString() : Q(p.warnings.front()));
}

void MainWindow::EditDimensions() {
  const auto section = Selected();
  if (!section || !history_) return;
  std::vector<Units::Length> values;
  try {
    for (const std::string& name : section->DimensionNames()) {
      const auto* field = editor_->findChild<QLineEdit*>(Q(name));
      values.push_back(units_.ReadLength(field->text().toStdString()));
    }
    section->EditDimensions(*history_, values);
  } catch (const std::exception& error) {
    Orvanta::BroadcastWarningMessage(Orvanta::string_to_wstring(error.what()));
  }
  // Deferred: the field that finished editing is among those replaced.
  QTimer::singleShot(0, this, [this] { Refresh(); });
}

void MainWindow::AddSection(const std::wstring& type) {
  const auto project = CurrentProject();
  if (!project) return;
  const auto added = project->Create(NewSection(type));
  Refresh();
  const auto sections = project->Sections();
  const auto at = std::find(sections.begin(), sections.end(), added);
  sections_->setCurrentRow(static_cast<int>(at - sections.begin()));
}

void MainWindow::DuplicateSelected() {
  if (const auto section = Selected()) {
    CurrentProject()->DuplicateItem(section);
    Refresh();
  }
}

void MainWindow::RemoveSelected() {
  if (const auto section = Selected()) {
    CurrentProject()->RemoveItem(section, *app_);
    Refresh();
  }
}

void MainWindow::Undo() {
  if (history_) history_->Undo();
  Refresh();
}

void MainWindow::Redo() {
  if (history_) history_->Redo();
  Refresh();
}

void MainWindow::UseUnits(const std::string& label) {
  for (const Units::Length& unit : Units::Catalogue<Units::Length>())
    if (Orvanta::wstring_to_string(unit.Units()) == label) units_ = UnitSystem::ForLength(unit);
  const QSignalBlocker block(units_chooser_);
  units_chooser_->setCurrentText(Q(units_.LengthUnit().Units()));
  ShowSelected();
}

template <class Function>
void MainWindow::Guarded(Function&& action) {
  try {
    action();
  } catch (const std::exception& error) {
    Orvanta::BroadcastErrorMessage(Orvanta::string_to_wstring(error.what()), true);
  }
}

void MainWindow::OnKey(boost::shared_ptr<Orvanta::KeyboardPress> press) {
  if (!press || press->Move() != Orvanta::KeyboardPress::KeyDown) return;
  const int row = sections_->currentRow(), last = sections_->count() - 1;
  if (press->Key() == kKeyDelete) RemoveSelected();
  if (press->Key() == kKeyUp && row > 0) sections_->setCurrentRow(row - 1);
  if (press->Key() == kKeyDown && row < last) sections_->setCurrentRow(row + 1);
}

void MainWindow::NewProject() {
  try {
    if (!app_->CloseDocument()) return;
  } catch (const Orvanta::NoPathError&) {
    if (!SaveProject()) return;
    app_->CloseDocument();
  }
  app_->NewDocument();
  Attach();
}

void MainWindow::OpenProject(const QString& fileName) {
  try {
    app_->OpenDocument(PathOf(fileName));
  } catch (const Orvanta::NoPathError&) {
    if (SaveProject()) app_->OpenDocument(PathOf(fileName));
  } catch (const std::exception& error) {
    Orvanta::BroadcastErrorMessage(Orvanta::string_to_wstring(error.what()), true);
  }
  Attach();
}

bool MainWindow::SaveProject() {
  if (!app_->HasDocumentPath()) {
    const QString name = AskFileName(true);
    return !name.isEmpty() && SaveProjectAs(name);
  }
  try {
    app_->SaveDocument();
  } catch (const std::exception& error) {
    Orvanta::BroadcastErrorMessage(Orvanta::string_to_wstring(error.what()), true);
    return false;
  }
  Refresh();
  return true;
}

bool MainWindow::SaveProjectAs(const QString& fileName) {
  try {
    app_->SaveDocumentAs(PathOf(fileName));
  } catch (const std::exception& error) {
    Orvanta::BroadcastErrorMessage(Orvanta::string_to_wstring(error.what()), true);
    return false;
  }
  Refresh();
  return true;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  bool closed = false;
  try {
    closed = app_->CloseDocument();
  } catch (const Orvanta::NoPathError&) {
    closed = SaveProject() && app_->CloseDocument();
  }
  if (!closed) {
    event->ignore();
    return;
  }
  version_check_.Cancel();
  history_.reset();
  event->accept();
}

void MainWindow::Calculate() {
  if (const auto project = CurrentProject()) {
    PropertiesCommand command(project, units_);
    command.Rerun();  // broadcasts its log, a branch per section
  }
}

void MainWindow::Report() {
  const auto project = CurrentProject();
  if (!project) return;
  try {
    const Orvanta::wpath page = MakeHtmlReport(*app_, project, units_);
    if (Orvanta::ShellOpen(L"open", page, L"", page.parent_path(), 5) <= 32)
      Orvanta::BroadcastErrorMessage(Orvanta::LastErrorAsText(), true);
  } catch (const std::exception& error) {
    Orvanta::BroadcastErrorMessage(Orvanta::string_to_wstring(error.what()), true);
  }
}

void MainWindow::ShowOptions() { OptionsDialog(*app_, this).exec(); }

void MainWindow::FillRecentMenu() {
  recent_->clear();
  for (const Orvanta::wpath& project : app_->RecentProjectList().Projects()) {
    const QString name = FileName(project);
    recent_->addAction(name, this, [this, name] { OpenProject(name); });
  }
  recent_->addSeparator();
  recent_->addAction(tr("Forget the missing ones"), this,
                     [this] { app_->RecentProjectList().RemoveMissing(); });
}

QString MainWindow::AskFileName(bool save) {
  const QString filter = tr("Projects (*.xml)");
  const QString folder = FileName(app_->ProjectsPath());
  return save ? QFileDialog::getSaveFileName(this, tr("Save the project"), folder, filter)
              : QFileDialog::getOpenFileName(this, tr("Open a project"), folder, filter);
}

void MainWindow::Autosave() {
  try {
    recovery_->Autosave();
  } catch (const std::exception& error) {
    statusBar()->showMessage(tr("No recovery copy: ") + error.what());
  }
}

void MainWindow::OfferRecovery() {
  for (const Orvanta::RecoveryRecord& lost : recovery_->Recoverable()) {
    const std::wstring name = lost.original.empty()
                                  ? L"an unsaved project"
                                  : L"'" + Orvanta::path_to_wstring(lost.original) + L"'";
    const std::wstring when =
        Orvanta::string_to_wstring(boost::posix_time::to_simple_string(lost.time));
    if (app_->YesNoBox(
            L"Sections stopped without saving " + name + L" (copy of " + when + L"). Recover it?",
            Orvanta::MessageBoxIconQuestion) != Orvanta::AnswerYes) {
      recovery_->Discard(lost);
      continue;
    }
    try {
      recovery_->Recover(lost);
    } catch (const std::exception& error) {
      Orvanta::BroadcastErrorMessage(Orvanta::string_to_wstring(error.what()), true);
    }
  }
  if (!app_->GetDocument()) app_->NewDocument();
  Attach();
}

void MainWindow::CheckLatestVersion() {
  try {
    version_check_.Start(Orvanta::path_to_string(app_->LatestVersionPath()),
                         SectionsApplication::VersionCheckLimits());
    version_timer_.start(50);
  } catch (const std::exception& error) {
    Orvanta::BroadcastErrorMessage(Orvanta::string_to_wstring(error.what()), true);
  }
}

void MainWindow::OnMessage(boost::shared_ptr<Orvanta::Message> message, bool) {
  if (!message || static_cast<int>(message->Severity()) < app_->MessageThreshold()) return;
  AddToBoard(*message, nullptr);
  messages_[board_->topLevelItem(board_->topLevelItemCount() - 1)] = message;
  board_->scrollToBottom();
}

void MainWindow::AddToBoard(const Orvanta::Message& message, QTreeWidgetItem* parent) {
  auto* row = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(board_);
  // Unread messages in bold until the user clicks them.
  QFont font = board_->font();
  font.setBold(!message.Read());
  row->setFont(1, font);
  row->setIcon(0, QIcon(PixmapOf(message.Bitmap())));
  row->setText(0, Q(message.ReadableTimestamp()));
  row->setText(1, Q(message.Text()));
  if (const Orvanta::CompositeMessage* composite = message.GetComposite())
    for (const auto& child : composite->Children())
      if (child) AddToBoard(*child, row);
}

}  // namespace Sections
