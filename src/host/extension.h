// The extension object: one per cart widget on a page.
#ifndef MERVANE_HOST_EXTENSION_H_
#define MERVANE_HOST_EXTENSION_H_

#include "host/open_carts.h"
#include "model/cart_settings.h"
#include "ostrel/extension.h"
#include "preview/preview.h"

namespace mervane {

// No exception leaves an operation. The ones marked noexcept cannot throw;
// every other one catches at its start and answers as if nothing had been
// asked: an empty text, 0 from CopyFiles, the archive's error from
// Serialize, and the object unchanged.
class CMervaneExtension final : public COstrelExtension {
 public:
  CMervaneExtension();

  // The class is final, so deleting through it runs the whole destructor.
  void Destroy() noexcept override { delete this; }
  int32_t GetVersion() noexcept override;
  void Draw(OHdc dc, const ORect* rect) noexcept override;
  void Properties(OHwnd parent) override;
  OString GetHtml(const OString& text) override;
  OString GetHeaderHtml() override;
  int32_t CopyFiles(const OString& publishFolder, const OString& unused) override;
  void Move(const ORect& rect) noexcept override;
  void Serialize(COstrelArchive& ar) override;
  int32_t UseDIV() noexcept override;
  void GetMinimumSize(int32_t& width, int32_t& height) noexcept override;
  OString GetBkColor() noexcept override;
  OString GetBkImage() noexcept override;
  OString GetUniqueName() noexcept override;
  void SetUniqueName(const OString& name) noexcept override;
  void SetSiteStructure(const OString& structure) noexcept override;
  void SetID(int32_t id) noexcept override;
  int32_t IncludePngFix() noexcept override;
  int32_t GetURLCount() noexcept override;
  OString GetURL(int32_t index) noexcept override;
  void SetURL(int32_t index, const OString& url) noexcept override;
  OString GetStartofPageHTML() noexcept override;
  int32_t GetAssetCount() noexcept override;
  OString GetAssetFileName(int32_t index) noexcept override;
  void SetAssetFileName(int32_t index, const OString& fileName) noexcept override;
  OString GetDocumentReadyScript() override;
  void IncludeResource(OStringList& resources) override;
  OString GetTheme() noexcept override;
  void SetPublishFolders(const OStringList& folders) override;

  // Rebuilds the design-view font from the main style.
  void CreateFonts() noexcept;
  OString GetPublishSubFolder(const OString& fileName) const;

  CartSettings& Settings() { return settings_; }
  const CartSettings& Settings() const { return settings_; }

 private:
  CartSettings settings_;
  OpenCart open_{settings_};
  Preview preview_;
};

}  // namespace mervane

#endif  // MERVANE_HOST_EXTENSION_H_
