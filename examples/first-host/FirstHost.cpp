// orvanta-first-host: the smallest complete host program: an item class, a
// document class, an application class, and a main that opens the frame named
// on its command line (or starts one), adds a beam and saves it. The README
// quotes this file; keep it short.
#include <boost/filesystem/operations.hpp>
#include <boost/make_shared.hpp>
#include <orvanta/orvanta.hpp>

using namespace Orvanta;

struct Beam : Item {
  explicit Beam(const std::wstring& name = L"") : Item(name, L"") {}
  Beam* Clone() const override { return new Beam(*this); }
  std::wstring Type() const override { return L"Beam"; }
  std::wstring NameStem() const override { return L"Beam"; }
  BitmapResource Picture(int) const override {
    return BitmapResource(1568, OrvantaDLL::Instance());
  }
};

struct Frame : BaseDocument {
  Frame() : BaseDocument(true) {}
  void ReadFrom(const wpath& file) override {  // one beam a line
    InputFile in(file);
    if (!in.is_open()) throw std::runtime_error(in.Error().message());
    for (std::string name; std::getline(in, name);)
      AddItem(boost::make_shared<Beam>(string_to_wstring(name)));
  }
  void WriteTo(const wpath& file) const override {
    SafeFileWriter out(file);
    for (const ItemPtr& item : Items()) out.Stream() << wstring_to_string(item->Name()) << '\n';
    out.Commit();
  }
};

struct Frames : BaseApplication {
  Frames()
      : BaseApplication(nullptr, L"Frames", L"FRM", {2026, 12, 6}, L"", L"Frames.xml",
                        L"Frames.log", L"") {}
  std::wstring ReportTitle() const override { return L"Frames"; }
  std::wstring ReportStyleSheet() const override { return L""; }
  wpath ReportTransform(const wpath& xml) const override { return xml; }
  boost::shared_ptr<BaseDocument> MakeNewDocument() override { return boost::make_shared<Frame>(); }
  boost::shared_ptr<BaseDocument> MakeDocumentFromFile(const wpath& path) override {
    auto frame = boost::make_shared<Frame>();
    frame->ReadFrom(path);
    return frame;
  }
};

int main(int argc, char** argv) {
  SetProgramVersion(1, 0, 0, 1, L"1.0.0");
  auto app = boost::make_shared<Frames>();
  const wpath file = string_to_path(argc > 1 ? argv[1] : "frame.txt");
  auto frame = boost::filesystem::exists(file) ? app->OpenDocument(file) : app->NewDocument();
  frame->Create(boost::make_shared<Beam>());  // "Beam 1" the first time, then "Beam 2"...
  app->SaveDocumentAs(file);
  return 0;
}
