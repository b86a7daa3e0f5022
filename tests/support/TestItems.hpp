// Item classes for the tests, and a document that keeps its content nowhere.
#pragma once

#include <algorithm>
#include <boost/make_shared.hpp>
#include <string>

#include "orvanta/documents/BaseDocument.hpp"
#include "orvanta/documents/Item.hpp"
#include "orvanta/frame/OrvantaDLL.hpp"

namespace Orvanta {
namespace testing {

class Layer : public Item {
 public:
  explicit Layer(const std::wstring& name = L"", const std::wstring& type = L"Layer")
      : Item(name, L""), type_(type) {}
  Layer* Clone() const override { return new Layer(*this); }
  std::wstring Type() const override { return type_; }
  std::wstring NameStem() const override { return L"Layer"; }
  BitmapResource Picture(int selector) const override {
    return BitmapResource(1568 + static_cast<unsigned int>(selector), OrvantaDLL::Instance());
  }
  bool IsValid() const override { return valid; }

  bool valid = true;

 private:
  std::wstring type_;
};

// A layer that holds other items.
class Group : public Layer {
 public:
  using Layer::Layer;
  Group* Clone() const override { return new Group(*this); }
  void InsertComponent(ItemPtr child) override { children_.push_back(child); }
  bool ContainsComponent(boost::shared_ptr<const Item> child) const override {
    return std::find(children_.begin(), children_.end(), child) != children_.end();
  }
  std::size_t NumComponents() const override { return children_.size(); }

 private:
  std::vector<ItemPtr> children_;
};

class MemoryDocument : public BaseDocument {
 public:
  explicit MemoryDocument(bool notification = true) : BaseDocument(notification) {}
  MemoryDocument(const wpath& path, bool notification) : BaseDocument(path, notification) {}
  void ReadFrom(const wpath&) override {}
  void WriteTo(const wpath&) const override {}
  void Refresh() override { ++refreshes; }

  int refreshes = 0;  // how often the host's view was asked to refresh
};

inline ItemPtr MakeLayer(const std::wstring& name, const std::wstring& type = L"Layer") {
  return boost::make_shared<Layer>(name, type);
}

}  // namespace testing
}  // namespace Orvanta
