// The program options as one value, and their file. Internal to the
// application layer: BaseApplication holds one and is its public face (its
// accessors, ResetUserOptions, LoadUserOptions, SaveUserOptions). Exported for
// the library's own tests only; hosts use BaseApplication.
//
//   detail::ProgramOptions options(SharedProgramOptions::Stored());  // defaults
//   options.Write(out);   // the options file
//   options.Read(in);     // throws, keeping what it read before the failure
#pragma once

#include <iosfwd>

#include "orvanta/documents/SharedProgramOptions.hpp"
#include "orvanta/geometry/Extents.hpp"
#include "orvanta/platform/Export.hpp"
#include "orvanta/quantities/Units.hpp"

namespace boost {
namespace serialization {
class access;
}  // namespace serialization
}  // namespace boost

namespace Orvanta {
namespace detail {

// The nineteen options. Sixteen are held here; the three class-wide ones
// (message_threshold, auto_backup, backup_ext) are read and written in place
// in `shared`, SharedProgramOptions' storage, which documents read.
class ORVANTA_API ProgramOptions {
 public:
  // The options file's class version.
  static constexpr unsigned int kVersion = 3;

  // Every option at its default, `shared` included.
  explicit ProgramOptions(SharedProgramOptions::Values& shared);

  // Every option at its default, `shared` included: the one place the
  // defaults are written down.
  void Reset();

  // The options file: one ProgramOptions element of class version 3, without
  // an archive header, holding the nineteen options as elements named after
  // them, in the order they are declared here. `out` should be binary, so
  // that the file has the same bytes, with "\n" line ends, on every system
  // (BaseApplication writes it through SafeFileWriter). Throws what the
  // archive throws.
  void Write(std::ostream& out) const;
  // Reads an options file through XmlInputArchive, which is safe on a damaged
  // or edited file. Each option takes its value as soon as it is read, so a
  // file that fails part way (malformed, an element missing; the archive's
  // exceptions) leaves the options read before the failure read and the rest
  // as they were. A class version above 3 is refused here, before any option
  // is read (the archive itself would accept it). A file of class version 1
  // or 2 has no clear_messages_on_doc_closed, which then keeps its value.
  void Read(std::istream& in);

  bool internal_browser;
  int report_format;
  int report_orientation;
  int xslt_engine;
  Extents drawing_extents;
  bool auto_hide_panels;
  bool hide_disabled_items;
  // message_threshold: in `shared`.
  bool show_splash_screen;
  int startup_view;
  int visual_appearance;
  // auto_backup, backup_ext: in `shared`.
  bool write_program_log;
  bool append_to_log;
  bool create_doc_on_startup;
  bool open_message_board_on_doc_opened;
  bool clear_messages_on_doc_closed;
  unsigned int max_num_recent_projects;
  SharedProgramOptions::Values& shared;

 private:
  friend class boost::serialization::access;
  template <class Archive>
  void serialize(Archive& archive, unsigned int version);
};

// The drawing board for these sizes: x and y from -width to +width, z from
// -height to +depth. Throws Error with text 2043 (the three sizes in their
// units) unless all three are greater than zero.
ORVANTA_API Extents DrawingBoard(const Units::Length& depth, const Units::Length& height,
                                 const Units::Length& width);

}  // namespace detail
}  // namespace Orvanta
