#include "media/fluid_font_loader.h"

#include <fluidsynth.h>

#include <atomic>
#include <cstdio>
#include <map>
#include <mutex>

#include "media/sound_font_view.h"

namespace zembra {
namespace {

// The trimmed fonts of the open songs by the names the synthesizer is given;
// a name it opens that is not here is an ordinary file.
std::mutex ViewsLock;
std::map<std::string, std::shared_ptr<const TSoundFontView>> Views;

struct TFontFile {
  std::shared_ptr<const TSoundFontView> View;
  std::FILE* File = nullptr;
  std::uint64_t Position = 0;
};

void* OpenFont(const char* name) {
  std::shared_ptr<const TSoundFontView> view;
  {
    std::lock_guard<std::mutex> lock(ViewsLock);
    const auto it = Views.find(name);
    if (it != Views.end()) view = it->second;
  }
  std::FILE* f = std::fopen(view ? view->Path().c_str() : name, "rb");
  if (!f) return nullptr;
  return new TFontFile{std::move(view), f, 0};
}

int ReadFont(void* buffer, fluid_long_long_t count, void* handle) {
  auto* h = static_cast<TFontFile*>(handle);
  if (count < 0) return FLUID_FAILED;
  if (!h->View) return std::fread(buffer, 1, count, h->File) == static_cast<std::size_t>(count) ? FLUID_OK : FLUID_FAILED;
  if (!h->View->Read(h->File, h->Position, buffer, count)) return FLUID_FAILED;
  h->Position += count;
  return FLUID_OK;
}

int SeekFont(void* handle, fluid_long_long_t offset, int origin) {
  auto* h = static_cast<TFontFile*>(handle);
  if (!h->View) return fseeko(h->File, offset, origin) == 0 ? FLUID_OK : FLUID_FAILED;
  const fluid_long_long_t base = origin == SEEK_SET   ? 0
                                 : origin == SEEK_CUR ? static_cast<fluid_long_long_t>(h->Position)
                                                      : static_cast<fluid_long_long_t>(h->View->Size());
  if (base + offset < 0 || static_cast<std::uint64_t>(base + offset) > h->View->Size()) return FLUID_FAILED;
  h->Position = static_cast<std::uint64_t>(base + offset);
  return FLUID_OK;
}

fluid_long_long_t TellFont(void* handle) {
  auto* h = static_cast<TFontFile*>(handle);
  return h->View ? static_cast<fluid_long_long_t>(h->Position) : ftello(h->File);
}

int CloseFont(void* handle) {
  auto* h = static_cast<TFontFile*>(handle);
  std::fclose(h->File);
  delete h;
  return FLUID_OK;
}

}  // namespace

std::string RegisterFontView(std::shared_ptr<const TSoundFontView> view) {
  static std::atomic<int> serial{0};
  std::string name = "song-font-" + std::to_string(++serial) + ":" + view->Path();
  std::lock_guard<std::mutex> lock(ViewsLock);
  Views[name] = std::move(view);
  return name;
}

void ForgetFontView(const std::string& name) {
  std::lock_guard<std::mutex> lock(ViewsLock);
  Views.erase(name);
}

fluid_sfloader_t* NewFontViewLoader(fluid_settings_t* settings) {
  fluid_sfloader_t* loader = new_fluid_defsfloader(settings);
  if (loader && fluid_sfloader_set_callbacks(loader, &OpenFont, &ReadFont, &SeekFont, &TellFont, &CloseFont) != FLUID_OK) {
    delete_fluid_sfloader(loader);
    return nullptr;
  }
  return loader;
}

}  // namespace zembra
