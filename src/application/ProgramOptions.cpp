// BaseApplication: the program options and their file.
#include <boost/archive/archive_exception.hpp>
#include "orvanta/frame/XmlInputArchive.hpp"
#include <boost/archive/xml_oarchive.hpp>
#include <boost/serialization/string.hpp>
#include <boost/serialization/version.hpp>
#include <iostream>
#include <sstream>

#include "orvanta/application/BaseApplication.hpp"
#include "orvanta/documents/SharedProgramOptions.hpp"
#include "orvanta/messages/Broadcast.hpp"
#include "orvanta/messages/CompositeMessage.hpp"
#include "orvanta/platform/FileStream.hpp"
#include "orvanta/platform/LibraryText.hpp"
#include "orvanta/platform/SafeFileWriter.hpp"
#include "orvanta/platform/TextConversion.hpp"
#include "orvanta/platform/WideStreams.hpp"

namespace Orvanta {
namespace detail {

// The options as the file holds them: one ProgramOptions element of class
// version 3 with the nineteen options in order.
struct ProgramOptionsRecord {
  static constexpr unsigned int kVersion = 3;

  explicit ProgramOptionsRecord(BaseApplication& application) : app(application) {}

  // The options the application does not hold itself, as read or written.
  struct Shared {
    int engine;
    int threshold;
    bool backup;
    std::string extension;
  };

  Shared Current() const {
    return Shared{app.xslt_engine_, SharedProgramOptions::MessageThreshold(),
                  SharedProgramOptions::AutomaticBackup(),
                  SharedProgramOptions::BackupExtension()};
  }

  template <class Archive>
  void save(Archive& archive, unsigned int) const {
    Shared shared = Current();
    Fields(archive, shared, true, [](const char*) {});
  }

  template <class Archive>
  void load(Archive& archive, unsigned int version) {
    // The serialization library does not refuse newer versions itself.
    if (version > kVersion)
      throw boost::archive::archive_exception(
          boost::archive::archive_exception::unsupported_class_version, "ProgramOptions");
    Shared shared = Current();
    // Each option takes its value as soon as it is read, so a failure later
    // on leaves the earlier ones read.
    Fields(archive, shared, version > 2, [&](const char* element) {
      const std::string name = element;
      if (name == "xslt_engine")
        app.xslt_engine_ = static_cast<BaseApplication::XSLTEngineType>(shared.engine);
      else if (name == "message_threshold")
        SharedProgramOptions::SetMessageThreshold(shared.threshold);
      else if (name == "auto_backup")
        SharedProgramOptions::SetAutomaticBackup(shared.backup);
      else if (name == "backup_ext")
        SharedProgramOptions::SetBackupExtension(shared.extension);
    });
  }
  BOOST_SERIALIZATION_SPLIT_MEMBER()

  // The nineteen elements in their order; `read(name)` follows each one.
  template <class Archive, class Read>
  void Fields(Archive& archive, Shared& shared, bool withClearMessages, Read read) const {
    BaseApplication& a = app;
    const auto field = [&](const char* name, auto& value) {
      archive& boost::serialization::make_nvp(name, value);
      read(name);
    };
    field("internal_browser", a.internal_browser_);
    field("report_format", a.report_format_);
    field("report_orientation", a.report_orientation_);
    field("xslt_engine", shared.engine);
    field("drawing_extents", a.drawing_extents_);
    field("auto_hide_panels", a.auto_hide_panels_);
    field("hide_disabled_items", a.hide_disabled_items_);
    field("message_threshold", shared.threshold);
    field("show_splash_screen", a.show_splash_screen_);
    field("startup_view", a.startup_view_);
    field("visual_appearance", a.visual_appearance_);
    field("auto_backup", shared.backup);
    field("backup_ext", shared.extension);
    field("write_program_log", a.write_program_log_);
    field("append_to_log", a.append_to_log_);
    field("create_doc_on_startup", a.create_doc_on_startup_);
    field("open_message_board_on_doc_opened", a.open_message_board_on_doc_opened_);
    if (withClearMessages)
      field("clear_messages_on_doc_closed", a.clear_messages_on_doc_closed_);
    field("max_num_recent_projects", a.max_num_recent_projects_);
  }

  BaseApplication& app;
};

}  // namespace detail
}  // namespace Orvanta

BOOST_CLASS_VERSION(Orvanta::detail::ProgramOptionsRecord,
                    Orvanta::detail::ProgramOptionsRecord::kVersion)

namespace Orvanta {
namespace {

std::wostream& Log() {
  UseUtf8WideStandardStream(std::wclog);
  return std::wclog;
}

// The length of `value` in its own units, as messages show it.
std::wstring Shown(const Units::Length& value) {
  std::wostringstream text;
  text << value;
  return text.str();
}

}  // namespace

void BaseApplication::ResetUserOptions() {
  internal_browser_ = true;
  report_format_ = 0;
  report_orientation_ = 0;
  xslt_engine_ = AltovaXML;
  drawing_extents_ = Extents();
  SetDrawingBoardExtents(Units::Length(50.0), Units::Length(10.0), Units::Length(30.0));
  auto_hide_panels_ = true;
  hide_disabled_items_ = false;
  show_splash_screen_ = true;
  startup_view_ = 0;
  visual_appearance_ = 6;
  write_program_log_ = false;
  append_to_log_ = false;
  create_doc_on_startup_ = false;
  open_message_board_on_doc_opened_ = false;
  clear_messages_on_doc_closed_ = false;
  max_num_recent_projects_ = 10;
  SharedProgramOptions::Reset();
}

bool BaseApplication::SaveUserOptions() const {
  const wpath file = ConfigFile();
  // Through the careful writer: the old file stays whole until the new one
  // is, and a file that may not be replaced (read-only, a folder, not a
  // regular file) is refused.
  try {
    SafeFileWriter out(file);
    {
      boost::archive::xml_oarchive archive(out.Stream(), boost::archive::no_header);
      const detail::ProgramOptionsRecord record(const_cast<BaseApplication&>(*this));
      archive << boost::serialization::make_nvp("ProgramOptions", record);
    }
    out.Commit();
  } catch (const std::exception&) {
    return false;  // and nothing is written anywhere, the log included
  }
  // The log's lines come once the file is written, so that a failure leaves
  // no trace in the log either.
  Log() << L"Saving configuration file: " << path_to_wstring(file) << L'\n'
        << L"Writing to XML archive" << L'\n'
        << L"Finished writing archive" << L'\n' << L'\n';
  return true;
}

bool BaseApplication::LoadUserOptions(bool silent) {
  const boost::shared_ptr<CompositeMessage> outcome(new CompositeMessage(LibraryText(2038)));
  const wpath file = ConfigFile();
  bool loaded = false;
  // A regular file only: a folder or a FIFO in its place is "not found"
  // (and a FIFO is never waited for).
  InputFile in(file);
  if (!in.is_open()) {
    outcome->InsertLeaf(new LeafMessage(LibraryText(2041), Message::Warning));
  } else {
    try {
      Log() << L"Loading configuration file: " << path_to_wstring(file) << L'\n'
            << L"Reading from XML archive" << L'\n';
      {
        XmlInputArchive archive(in, boost::archive::no_header);
        detail::ProgramOptionsRecord record(*this);
        archive >> boost::serialization::make_nvp("ProgramOptions", record);
      }
      Log() << L"Finished reading archive" << L'\n' << L'\n';
      outcome->InsertLeaf(new LeafMessage(LibraryText(2039, {{L"<Path/>", path_to_wstring(file)}}),
                                          Message::Information));
      loaded = true;
    } catch (const std::exception& error) {
      outcome->InsertLeaf(new LeafMessage(
          LibraryText(2040, {{L"<Error/>", string_to_wstring(error.what())}}), Message::Error));
    }
  }
  if (!silent) BroadcastMessage(outcome, false);
  return loaded;
}

void BaseApplication::SignalProgramOptionsChanged() const {
  BroadcastProgramOptionsChanged(shared_from_this());
}

void BaseApplication::SetDrawingBoardExtents(const Units::Length& depth,
                                             const Units::Length& height,
                                             const Units::Length& width) {
  const Units::Length zero(0.0);
  if (!(depth > zero) || !(height > zero) || !(width > zero))
    throw Error(LibraryText(2043, {{L"<Depth/>", Shown(depth)},
                                   {L"<Height/>", Shown(height)},
                                   {L"<Width/>", Shown(width)}}));
  drawing_extents_.SetMinMaxX(-width, width);
  drawing_extents_.SetMinMaxY(-width, width);
  drawing_extents_.SetMinMaxZ(-height, depth);
}

void BaseApplication::SetVisualAppearance(VisualAppearanceType value) {
  visual_appearance_ = value;
  BroadcastVisualAppearanceChanged(value);
}

int BaseApplication::MessageThreshold() { return SharedProgramOptions::MessageThreshold(); }
void BaseApplication::SetMessageThreshold(int value) {
  SharedProgramOptions::SetMessageThreshold(value);
}
bool BaseApplication::AutomaticBackup() { return SharedProgramOptions::AutomaticBackup(); }
void BaseApplication::SetAutomaticBackup(bool value) {
  SharedProgramOptions::SetAutomaticBackup(value);
}
std::string BaseApplication::BackupExtension() { return SharedProgramOptions::BackupExtension(); }
void BaseApplication::SetBackupExtension(const std::string& value) {
  SharedProgramOptions::SetBackupExtension(value);
}

}  // namespace Orvanta
