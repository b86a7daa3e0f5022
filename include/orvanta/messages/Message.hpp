// Messages: timestamped texts with a severity, the way the library reports to
// the user whatever is not an exception. A leaf has its own severity; a
// composite groups other messages, shared, and takes the highest severity in
// its whole tree.
//
//   auto summary = boost::make_shared<Orvanta::CompositeMessage>(L"Checks");
//   summary->InsertLeaf(new Orvanta::WarningMessage(L"Slender section"));
//   summary->Severity();          // Message::Warning
//   summary->TimestampedText();   // "[2026-Dec-05 10:52:57] Checks"
#pragma once

#include <string>

#include <boost/date_time/posix_time/ptime.hpp>
#include <boost/shared_ptr.hpp>

#include "orvanta/frame/Cloneable.hpp"
#include "orvanta/platform/Export.hpp"
#include "orvanta/platform/Resource.hpp"

namespace Orvanta {

class CompositeMessage;

class ORVANTA_API Message : public BaseCloneable<Message> {
 public:
  enum SeverityType { Information = 0, Warning = 1, Error = 2, Critical = 3 };

  // Both take the current local time, to the second, and start unread.
  explicit Message(const std::wstring& text);
  // `text` is UTF-8.
  explicit Message(const std::string& text);
  Message(const Message& other);
  ~Message() override;

  virtual SeverityType Severity() const = 0;

  // The composite operations. A leaf ignores insertions and removals, finds
  // nothing and is not composite.
  virtual void InsertComponent(boost::shared_ptr<Message> child);
  virtual void RemoveComponent(boost::shared_ptr<Message> child);
  virtual bool IsComposite() const;
  virtual bool FindComponent(boost::shared_ptr<Message> child) const;
  virtual void ClearComponents();
  virtual const CompositeMessage* GetComposite() const;
  virtual CompositeMessage* GetComposite();

  const std::wstring& Text() const { return text_; }
  operator std::wstring() const { return text_; }
  void ResetText(const std::wstring& text) { text_ = text; }

  const boost::posix_time::ptime& Timestamp() const { return timestamp_; }
  void ResetTimestamp(const boost::posix_time::ptime& timestamp) { timestamp_ = timestamp; }

  bool Read() const { return read_; }
  void MarkAsRead() { read_ = true; }

  // "2018-Mar-07 14:05:09".
  std::wstring ReadableTimestamp() const;
  // "[" + ReadableTimestamp() + "] " + Text().
  std::wstring TimestampedText() const;

  // Equal texts and equal timestamps; nothing else is compared.
  bool operator==(const Message& other) const;
  bool operator!=(const Message& other) const { return !(*this == other); }

  // The library's 16 x 16 bitmap of this message's severity (ids 1568 to 1571).
  BitmapResource Bitmap() const;

  // Exchanges text, read flag and timestamp.
  void Swap(Message& other) noexcept;

 protected:
  Message& operator=(const Message& other) = default;

 private:
  std::wstring text_;
  bool read_;
  boost::posix_time::ptime timestamp_;
};

class ORVANTA_API LeafMessage : public Message {
 public:
  LeafMessage(const std::wstring& text, SeverityType severity);
  LeafMessage(const std::string& text, SeverityType severity);
  LeafMessage(const LeafMessage& other);
  LeafMessage& operator=(const LeafMessage& other) = default;
  ~LeafMessage() override;

  LeafMessage* Clone() const override;
  SeverityType Severity() const override { return severity_; }
  virtual void ResetSeverity(SeverityType severity);
  void Swap(LeafMessage& other) noexcept;

 private:
  SeverityType severity_;
};

// The four leaves of fixed severity: ResetSeverity keeps their own.
#define ORVANTA_FIXED_SEVERITY_MESSAGE(Class, Level)                                 \
  class ORVANTA_API Class : public LeafMessage {                                     \
   public:                                                                           \
    explicit Class(const std::wstring& text) : LeafMessage(text, Level) {}           \
    explicit Class(const std::string& text) : LeafMessage(text, Level) {}            \
    Class& operator=(const Class& other) = default;                                  \
    Class(const Class& other) = default;                                             \
    Class* Clone() const override { return new Class(*this); }                       \
    void ResetSeverity(SeverityType) override { LeafMessage::ResetSeverity(Level); } \
  };
ORVANTA_FIXED_SEVERITY_MESSAGE(InformationMessage, Information)
ORVANTA_FIXED_SEVERITY_MESSAGE(WarningMessage, Warning)
ORVANTA_FIXED_SEVERITY_MESSAGE(ErrorMessage, Message::Error)
ORVANTA_FIXED_SEVERITY_MESSAGE(CriticalMessage, Critical)
#undef ORVANTA_FIXED_SEVERITY_MESSAGE

}  // namespace Orvanta
