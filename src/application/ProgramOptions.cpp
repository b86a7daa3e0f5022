#include "orvanta/application/internal/ProgramOptions.hpp"

#include <boost/archive/archive_exception.hpp>
#include <boost/archive/xml_oarchive.hpp>
#include <boost/serialization/string.hpp>
#include <boost/serialization/version.hpp>
#include <sstream>

#include "orvanta/frame/XmlInputArchive.hpp"
#include "orvanta/platform/Error.hpp"
#include "orvanta/platform/LibraryText.hpp"

BOOST_CLASS_VERSION(Orvanta::detail::ProgramOptions, Orvanta::detail::ProgramOptions::kVersion)

namespace Orvanta {
namespace detail {
namespace {

// A length in its own units, as messages show it.
std::wstring Shown(const Units::Length& value) {
  std::wostringstream text;
  text << value;
  return text.str();
}

}  // namespace

ProgramOptions::ProgramOptions(SharedProgramOptions::Values& sharedValues) : shared(sharedValues) {
  Reset();
}

void ProgramOptions::Reset() {
  internal_browser = true;
  report_format = 0;
  report_orientation = 0;
  xslt_engine = 1;  // AltovaXML
  drawing_extents = DrawingBoard(Units::Length(50.0), Units::Length(10.0), Units::Length(30.0));
  auto_hide_panels = true;
  hide_disabled_items = false;
  show_splash_screen = true;
  startup_view = 0;
  visual_appearance = 6;
  write_program_log = false;
  append_to_log = false;
  create_doc_on_startup = false;
  open_message_board_on_doc_opened = false;
  clear_messages_on_doc_closed = false;
  max_num_recent_projects = 10;
  shared = SharedProgramOptions::Values();  // threshold 1, auto backup on, ".bak"
}

// Loading reads each element straight into its option.
template <class Archive>
void ProgramOptions::serialize(Archive& archive, unsigned int version) {
  using boost::serialization::make_nvp;
  // The serialization library does not refuse newer versions itself.
  if (version > kVersion)
    throw boost::archive::archive_exception(
        boost::archive::archive_exception::unsupported_class_version, "ProgramOptions");
  archive& make_nvp("internal_browser", internal_browser);
  archive& make_nvp("report_format", report_format);
  archive& make_nvp("report_orientation", report_orientation);
  archive& make_nvp("xslt_engine", xslt_engine);
  archive& make_nvp("drawing_extents", drawing_extents);
  archive& make_nvp("auto_hide_panels", auto_hide_panels);
  archive& make_nvp("hide_disabled_items", hide_disabled_items);
  archive& make_nvp("message_threshold", shared.message_threshold);
  archive& make_nvp("show_splash_screen", show_splash_screen);
  archive& make_nvp("startup_view", startup_view);
  archive& make_nvp("visual_appearance", visual_appearance);
  archive& make_nvp("auto_backup", shared.auto_backup);
  archive& make_nvp("backup_ext", shared.backup_ext);
  archive& make_nvp("write_program_log", write_program_log);
  archive& make_nvp("append_to_log", append_to_log);
  archive& make_nvp("create_doc_on_startup", create_doc_on_startup);
  archive& make_nvp("open_message_board_on_doc_opened", open_message_board_on_doc_opened);
  if (version > 2) archive& make_nvp("clear_messages_on_doc_closed", clear_messages_on_doc_closed);
  archive& make_nvp("max_num_recent_projects", max_num_recent_projects);
}

void ProgramOptions::Write(std::ostream& out) const {
  boost::archive::xml_oarchive archive(out, boost::archive::no_header);
  archive << boost::serialization::make_nvp("ProgramOptions", *this);
}

void ProgramOptions::Read(std::istream& in) {
  XmlInputArchive archive(in, boost::archive::no_header);
  archive >> boost::serialization::make_nvp("ProgramOptions", *this);
}

Extents DrawingBoard(const Units::Length& depth, const Units::Length& height,
                     const Units::Length& width) {
  const Units::Length zero(0.0);
  if (!(depth > zero) || !(height > zero) || !(width > zero))
    throw Error(LibraryText(
        2043,
        {{L"<Depth/>", Shown(depth)}, {L"<Height/>", Shown(height)}, {L"<Width/>", Shown(width)}}));
  Extents board;
  board.SetMinMaxX(-width, width);
  board.SetMinMaxY(-width, width);
  board.SetMinMaxZ(-height, depth);
  return board;
}

}  // namespace detail
}  // namespace Orvanta
