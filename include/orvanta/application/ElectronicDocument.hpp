// Electronic documents: the program's manuals and help files, opened in the
// viewer the system provides for them.
//
//   Orvanta::PDF guide(L"Quick Start.pdf", manuals);
//   try { guide.Open(); } catch (const Orvanta::PDF::AcrobatReaderNotInstalledError& e) { ... }
//
// On POSIX every kind opens through the xdg-open found on PATH; help files
// (HLP, CHM) report nothing, whatever happens, as their viewers do elsewhere.
#pragma once

#include <string>

#include "orvanta/platform/Error.hpp"
#include "orvanta/platform/Export.hpp"
#include "orvanta/platform/TextConversion.hpp"
#include "orvanta/platform/Types.hpp"

namespace Orvanta {

class ORVANTA_API ElectronicDocument {
 public:
  // The shell failed with `code`: text 1875.
  class ORVANTA_API ShellExecError : public Error {
   public:
    explicit ShellExecError(long code);
    ~ShellExecError() override;
  };

  // `name` is the file's name, `path` the folder that holds it.
  ElectronicDocument(const std::wstring& name, const wpath& path);
  virtual ~ElectronicDocument();

  virtual void Open() const = 0;
  // The page or topic with context number `topic`, where the kind has them.
  virtual void OpenTopic(unsigned int topic) const = 0;

  std::wstring Name() const { return name_; }
  wpath Path() const { return path_; }
  wpath FullPath() const { return path_ / wstring_to_path(name_); }
  // Whether the file exists.
  bool Find() const;
  bool operator<(const ElectronicDocument& other) const { return name_ < other.name_; }

 private:
  std::wstring name_;
  wpath path_;
};

class ORVANTA_API PDF : public ElectronicDocument {
 public:
  // No program can show PDF files: text 1873.
  class ORVANTA_API AcrobatReaderNotInstalledError : public Error {
   public:
    AcrobatReaderNotInstalledError();
    ~AcrobatReaderNotInstalledError() override;
  };
  // The file or its folder is missing: text 1874.
  class ORVANTA_API PDFNotFoundError : public Error {
   public:
    PDFNotFoundError(const std::wstring& name, const wpath& path);
    ~PDFNotFoundError() override;
  };
  // The system refused access: text 1876.
  class ORVANTA_API AccessDeniedError : public Error {
   public:
    AccessDeniedError(const std::wstring& name, const wpath& path);
    ~AccessDeniedError() override;
  };

  PDF(const std::wstring& name, const wpath& path);
  // Opens the file with the system's viewer, without waiting. Throws the
  // errors above, or ShellExecError for any other failure.
  void Open() const override;
  // As Open(): a PDF has no topics.
  void OpenTopic(unsigned int topic) const override;
};

// A WinHelp file.
class ORVANTA_API HLP : public ElectronicDocument {
 public:
  HLP(const std::wstring& name, const wpath& path);
  // WinHelp's contents command (3).
  void Open() const override;
  // WinHelp's context command (1) with `topic`, 0 included.
  void OpenTopic(unsigned int topic) const override;
};

// A compiled HTML Help file.
class ORVANTA_API CHM : public ElectronicDocument {
 public:
  CHM(const std::wstring& name, const wpath& path);
  // HTML Help's table of contents (command 1).
  void Open() const override;
  // HTML Help's context command (15) with `topic`, 0 included.
  void OpenTopic(unsigned int topic) const override;
};

}  // namespace Orvanta
