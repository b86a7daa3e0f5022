// The whole public interface of the orvanta library.
//
//   #include <orvanta/orvanta.hpp>
//
//   std::wstring text = Orvanta::OrvantaDLL::Instance()->LoadStringW(1949);
//   // "A new project has been created"
#pragma once

#include "orvanta/platform/ApplicationModule.hpp"
#include "orvanta/platform/CoInitialize.hpp"
#include "orvanta/platform/CommandLine.hpp"
#include "orvanta/platform/Error.hpp"
#include "orvanta/platform/Export.hpp"
#include "orvanta/platform/FileAttributes.hpp"
#include "orvanta/platform/MessageBox.hpp"
#include "orvanta/platform/Module.hpp"
#include "orvanta/platform/ModuleVersionInfo.hpp"
#include "orvanta/platform/Resource.hpp"
#include "orvanta/platform/ShellFolders.hpp"
#include "orvanta/platform/ShellOpen.hpp"
#include "orvanta/platform/SystemError.hpp"
#include "orvanta/platform/TextConversion.hpp"
#include "orvanta/platform/Types.hpp"
#include "orvanta/platform/WideStreams.hpp"

#include "orvanta/frame/Cloneable.hpp"
#include "orvanta/frame/Component.hpp"
#include "orvanta/frame/CompositeInsertionError.hpp"
#include "orvanta/frame/OrvantaDLL.hpp"
#include "orvanta/frame/ReplaceTag.hpp"
#include "orvanta/frame/Visitor.hpp"
#include "orvanta/frame/XmlInputArchive.hpp"

#include "orvanta/quantities/Quantity.hpp"
#include "orvanta/quantities/QuantityFunctions.hpp"
#include "orvanta/quantities/Range.hpp"
#include "orvanta/quantities/Units.hpp"

#include "orvanta/messages/Broadcast.hpp"
#include "orvanta/messages/CompositeMessage.hpp"
#include "orvanta/messages/Message.hpp"
#include "orvanta/messages/Signal.hpp"
#include "orvanta/messages/SignalManager.hpp"

#include "orvanta/documents/Address.hpp"
#include "orvanta/documents/BaseDocument.hpp"
#include "orvanta/documents/DragDropInterface.hpp"
#include "orvanta/documents/Item.hpp"
#include "orvanta/documents/ItemFactory.hpp"
#include "orvanta/documents/ManufacturerInterface.hpp"
#include "orvanta/documents/NameInterface.hpp"
#include "orvanta/documents/NotesInterface.hpp"
#include "orvanta/documents/PrototypeFactory.hpp"
#include "orvanta/documents/SharedProgramOptions.hpp"
#include "orvanta/documents/TypeInterface.hpp"
#include "orvanta/documents/ValidationInterface.hpp"

#include "orvanta/commands/Command.hpp"

#include "orvanta/geometry/Circle.hpp"
#include "orvanta/geometry/Extents.hpp"
#include "orvanta/geometry/Point.hpp"
#include "orvanta/geometry/Position.hpp"
#include "orvanta/geometry/Rect.hpp"
#include "orvanta/geometry/Rectangle.hpp"
#include "orvanta/geometry/Shape.hpp"
#include "orvanta/geometry/Size.hpp"
#include "orvanta/geometry/Square.hpp"
#include "orvanta/geometry/Strip.hpp"
#include "orvanta/geometry/TextDraw.hpp"

#include "orvanta/application/BaseApplication.hpp"
