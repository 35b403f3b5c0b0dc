// The host-facing interface of an Ostrel page-object extension.
//
// A host compiles against this header alone. It loads the extension library,
// resolves the five exported functions by name and then talks to every
// extension object only through the virtual operations of COstrelExtension,
// whose order is fixed: the host calls them by position.
//
// Host and extension must be built with the same C++ toolchain and runtime,
// because strings and string lists cross the boundary as standard library
// objects (the way the host's own framework strings always have).
//
// No C++ exception ever leaves the library. Failures that the host must see
// are reported in the few places listed with each operation.
#ifndef OSTREL_EXTENSION_H_
#define OSTREL_EXTENSION_H_

#include <cstdint>
#include <string>
#include <vector>

#include "ostrel/archive.h"
#include "ostrel/types.h"

#if defined(_WIN32)
#define OSTREL_EXPORT extern "C" __declspec(dllexport)
#else
#define OSTREL_EXPORT extern "C" __attribute__((visibility("default")))
#endif

// One page object (here: one shopping-cart widget). Slot order is part of the
// interface; never reorder, insert or remove a virtual operation.
//
// What a host must do to call the operations by position:
// - The object's first pointer-sized word points at its table of operations:
//   29 plain function pointers, entry N being slot N below.
// - Each entry is called as a free function in the platform's own convention
//   (System V on x86-64 Linux, Microsoft x64 on 64-bit Windows; no 32-bit
//   build is made), with the object's address as the first argument and then
//   the arguments in order. References travel as pointers.
// - An operation that returns OString takes, before the object's address, a
//   pointer to uninitialised storage for one OString; it constructs the result
//   there and returns that pointer, and the host destroys the string after
//   use. This is the order of g++ and MinGW g++ (MSVC would pass the object
//   first, which is one more reason the toolchains must match).
// - Delete an object only through slot 0 or DeleteExtensionObject. The C++
//   destructor is not virtual: a virtual one would fill two entries with g++
//   and MinGW g++ and push every later slot one position down. It is
//   protected, so nobody can delete through this class.
class COstrelExtension {
 public:
  // Destroys the object and frees its memory; the pointer is dead after it.
  virtual void Destroy() = 0;                                       // slot 0
  virtual int32_t GetVersion() = 0;                                 // slot 1
  virtual void Draw(OHdc dc, const ORect* rect) = 0;                // slot 2
  virtual void Properties(OHwnd parent) = 0;                        // slot 3
  virtual OString GetHtml(const OString& text) = 0;                 // slot 4
  virtual OString GetHeaderHtml() = 0;                              // slot 5
  // Returns 1 when publishing ran to its end, 0 when the checkout script
  // could not be written.
  virtual int32_t CopyFiles(const OString& publishFolder,
                            const OString& unused) = 0;             // slot 6
  virtual void Move(const ORect& rect) = 0;                         // slot 7
  // Stores or loads the widget's block at the archive's position. A load that
  // runs past the end of the data, or meets malformed data, stops there and
  // sets the archive's error (COstrelArchive::Error()); fields read before
  // the failure keep their new values, the rest their old ones.
  virtual void Serialize(COstrelArchive& ar) = 0;                   // slot 8
  virtual int32_t UseDIV() = 0;                                     // slot 9
  virtual void GetMinimumSize(int32_t& width, int32_t& height) = 0; // slot 10
  virtual OString GetBkColor() = 0;                                 // slot 11
  virtual OString GetBkImage() = 0;                                 // slot 12
  virtual OString GetUniqueName() = 0;                              // slot 13
  virtual void SetUniqueName(const OString& name) = 0;              // slot 14
  virtual void SetSiteStructure(const OString& structure) = 0;      // slot 15
  virtual void SetID(int32_t id) = 0;                               // slot 16
  virtual int32_t IncludePngFix() = 0;                              // slot 17
  virtual int32_t GetURLCount() = 0;                                // slot 18
  virtual OString GetURL(int32_t index) = 0;                        // slot 19
  virtual void SetURL(int32_t index, const OString& url) = 0;       // slot 20
  virtual OString GetStartofPageHTML() = 0;                         // slot 21
  virtual int32_t GetAssetCount() = 0;                              // slot 22
  virtual OString GetAssetFileName(int32_t index) = 0;              // slot 23
  virtual void SetAssetFileName(int32_t index,
                                const OString& fileName) = 0;       // slot 24
  virtual OString GetDocumentReadyScript() = 0;                     // slot 25
  virtual void IncludeResource(OStringList& resources) = 0;         // slot 26
  virtual OString GetTheme() = 0;                                   // slot 27
  virtual void SetPublishFolders(const OStringList& folders) = 0;   // slot 28

 protected:
  ~COstrelExtension() = default;
};

// The five exported functions, undecorated. A host resolves them by name
// (GetProcAddress / dlsym); the typedefs give their exact signatures.
//
// GetToolbarBitmap: a 16 x 16, 24-bit picture; ownership passes to the
// caller. On Windows it is an HBITMAP, released with DeleteObject. Elsewhere
// it is an OBitmap allocated with malloc, released with free.
typedef OBitmapHandle (*GetToolbarBitmapFn)();
// GetToolbarText / GetDescription copy at most size - 1 characters and a
// terminating zero (nothing when size is 0). They return size when the text
// does not fit, otherwise its length without the terminator.
typedef uint32_t (*GetToolbarTextFn)(OChar* buffer, uint32_t size);
typedef uint32_t (*GetDescriptionFn)(OChar* buffer, uint32_t size);
// Null only when memory runs out.
typedef COstrelExtension* (*CreateExtensionObjectFn)();
// Calls slot 0; null is accepted and ignored.
typedef void (*DeleteExtensionObjectFn)(COstrelExtension* object);

#endif  // OSTREL_EXTENSION_H_
