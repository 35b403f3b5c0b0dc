#include "widget/widget_host.h"

#include "base/tool_error.h"
#include "framework/archive.h"
#include "framework/text.h"

namespace ostrel {

using mervane::CartSettings;

namespace {

std::string ArchiveErrorText(COstrelArchive::ErrorCode code) {
  switch (code) {
    case COstrelArchive::kEndOfFile: return "the data ends inside the block (truncated)";
    case COstrelArchive::kBadFormat: return "malformed data in the block";
    case COstrelArchive::kWriteFailed: return "the block could not be written";
    case COstrelArchive::kOutOfMemory: return "memory ran out";
    case COstrelArchive::kNoError: break;
  }
  return "no error";
}

}  // namespace

Bytes StoreBlock(const CartSettings& settings) {
  CartSettings copy = settings;
  COstrelMemoryArchive stream;
  mervane::Archive ar(stream);
  copy.Serialize(ar);
  return stream.Bytes();
}

void ParseBlock(COstrelArchive& ar, CartSettings& settings, const std::string& what) {
  mervane::Archive archive(ar);
  try {
    settings.Serialize(archive);
  } catch (const mervane::ArchiveError& e) {
    throw BadInput(what + ": " + ArchiveErrorText(e.code()));
  }
}

Widget OpenWidget(const ExtensionModule& module, const CartSettings& settings) {
  Widget widget = module.CreateWidget();
  widget->SetID(settings.id);
  widget->SetPublishFolders(settings.publishFolders);
  widget->Move(settings.bounds);
  COstrelMemoryArchive block(StoreBlock(settings));
  LoadWidget(*widget, block, "the definition's block");
  if (block.BytesLeft() != 0) {
    throw Failure("the widget left " + std::to_string(block.BytesLeft()) +
                  " bytes of its block unread");
  }
  return widget;
}

void LoadWidget(COstrelExtension& widget, COstrelArchive& ar, const std::string& what) {
  widget.Serialize(ar);
  if (ar.Error() != COstrelArchive::kNoError) {
    throw BadInput(what + ": " + ArchiveErrorText(ar.Error()));
  }
}

Bytes StoreWidget(COstrelExtension& widget) {
  COstrelMemoryArchive stream;
  widget.Serialize(stream);
  return stream.Bytes();
}

CartSettings ReadBackWidget(COstrelExtension& widget, const CartSettings& handedIn) {
  CartSettings settings = handedIn;
  COstrelMemoryArchive block(StoreWidget(widget));
  ParseBlock(block, settings, "the widget's stored block");
  return settings;
}

std::string ElementId(int32_t id) { return "Cart" + std::to_string(id); }

OString ReplaceIdToken(OString text, const std::string& elementId) {
  mervane::ReplaceAll(text, OSTR("$ID$"), mervane::FromUtf8(elementId));
  return text;
}

}  // namespace ostrel
