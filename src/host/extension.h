// The extension object: one per cart widget on a page.
#ifndef MERVANE_HOST_EXTENSION_H_
#define MERVANE_HOST_EXTENSION_H_

#include "model/cart_settings.h"
#include "ostrel/extension.h"
#include "preview/preview.h"

namespace mervane {

class CMervaneExtension final : public COstrelExtension {
 public:
  CMervaneExtension();

  // The class is final, so deleting through it runs the whole destructor.
  void Destroy() override { delete this; }
  int32_t GetVersion() override;
  void Draw(OHdc dc, const ORect* rect) override;
  void Properties(OHwnd parent) override;
  OString GetHtml(const OString& text) override;
  OString GetHeaderHtml() override;
  int32_t CopyFiles(const OString& publishFolder, const OString& unused) override;
  void Move(const ORect& rect) override;
  void Serialize(COstrelArchive& ar) override;
  int32_t UseDIV() override;
  void GetMinimumSize(int32_t& width, int32_t& height) override;
  OString GetBkColor() override;
  OString GetBkImage() override;
  OString GetUniqueName() override;
  void SetUniqueName(const OString& name) override;
  void SetSiteStructure(const OString& structure) override;
  void SetID(int32_t id) override;
  int32_t IncludePngFix() override;
  int32_t GetURLCount() override;
  OString GetURL(int32_t index) override;
  void SetURL(int32_t index, const OString& url) override;
  OString GetStartofPageHTML() override;
  int32_t GetAssetCount() override;
  OString GetAssetFileName(int32_t index) override;
  void SetAssetFileName(int32_t index, const OString& fileName) override;
  OString GetDocumentReadyScript() override;
  void IncludeResource(OStringList& resources) override;
  OString GetTheme() override;
  void SetPublishFolders(const OStringList& folders) override;

  // Rebuilds the design-view font from the main style.
  void CreateFonts();
  OString GetPublishSubFolder(const OString& fileName) const;

  CartSettings& Settings() { return settings_; }
  const CartSettings& Settings() const { return settings_; }

 private:
  CartSettings settings_;
  Preview preview_;
};

}  // namespace mervane

#endif  // MERVANE_HOST_EXTENSION_H_
