#include "display/stage.h"

#include <cstring>

#include "core/shell_state.h"
#include "display/choices.h"
#include "display/message_window.h"
#include "display/window_geometry.h"
#include "platform/encoding.h"
#include "platform/system.h"

namespace display {

namespace {

constexpr int kStageSlotsCleared = 6;

bool IsPortraitSlot(int slot) {
  return slot == 1 || slot == 2;
}

void LogLayer(int slot, const char* name) {
  if (!platform::Sys().IsLogging()) return;
  platform::Sys().LogEvent(
      "layer",
      {platform::LogField::Number("slot", slot),
       platform::LogField::Text("name", name != nullptr ? platform::Cp932ToUtf8Lossy(name) : "")});
}

void PlacePortraits(int loadedSlot) {
  Surface& first = LayerSlots[1];
  Surface& second = LayerSlots[2];
  if (first.HasPixels() && second.HasPixels()) {
    first.SetPosition(-kPortraitOffset, first.y);
    second.SetPosition(kPortraitOffset, second.y);
  } else {
    LayerSlots[loadedSlot].SetPosition(0, LayerSlots[loadedSlot].y);
  }
}

}  // namespace

scenario::ScriptResult SetLayerPicture(int slot, const char* name, int /*extra*/) {
  if (slot < 0 || slot >= kLayerSlotCount) return scenario::kGoOn;
  LogLayer(slot, name);
  Surface& surface = LayerSlots[slot];
  if (name == nullptr) {
    surface.Release();
    if (slot == 0) {
      ClearStage();
    } else if (slot == 1) {
      LayerSlots[2].SetPosition(0, LayerSlots[2].y);  // the one left is centred
    } else if (slot == 2) {
      LayerSlots[1].SetPosition(0, LayerSlots[1].y);
    }
    Refresh();
    return scenario::kGoOn;
  }

  // Names are short stems; one that does not fit with its extension is cut.
  char fileName[256] = {};
  const std::size_t stem = strnlen(name, sizeof fileName - 5);
  std::memcpy(fileName, name, stem);
  std::memcpy(fileName + stem, ".bmp", 4);
  surface.Load(fileName);  // a missing picture leaves the slot empty; the story goes on

  if (slot == 0) {
    LayerSlots[1].Release();  // a new background sends the portraits away
    LayerSlots[2].Release();
  } else if (IsPortraitSlot(slot)) {
    PlacePortraits(slot);
  }
  surface.shown = 1;
  Refresh();
  return scenario::kGoOn;
}

scenario::ScriptResult ClearStage() {
  for (int slot = 0; slot < kStageSlotsCleared; ++slot) LayerSlots[slot].Release();
  Refresh();
  return scenario::kGoOn;
}

void RecomposeLayers() {
  Screen.RestoreAndReload();
  ComposeBuffer.RestoreAndReload();
  // Slot 0, shown in every scene with a background, is drawn first and covers
  // the whole buffer; without one the buffer is cleared to black instead.
  LayerSlots[0].RestoreAndReload();
  if (!LayerSlots[0].HasPixels()) {
    if (const std::optional<DrawingContext> context = ComposeBuffer.BeginDrawing()) {
      context->FillRect({0, 0, platform::kScreenWidth, platform::kScreenHeight}, kBlack);
      ComposeBuffer.EndDrawing(*context);
    }
  }
  for (int slot = 1; slot < kLayerSlotCount; ++slot) LayerSlots[slot].RestoreAndReload();
}

void HalveBrightness(const LockedRows& rows) {
  for (int row = 0; row < rows.height; ++row) {
    std::uint32_t* pixel = rows.first + static_cast<std::ptrdiff_t>(row) * rows.pitch;
    for (int column = 0; column < rows.width; ++column) {
      pixel[column] = (pixel[column] >> 1) & 0x7F7F7F7Fu;
    }
  }
}

void DimWindowBackdrop() {
  if (!DisplayIsUp() || !ComposeBuffer.HasPixels()) return;
  const std::optional<LockedRows> rows = ComposeBuffer.Lock(kWindowRect);
  if (!rows) return;  // this refresh goes undimmed
  HalveBrightness(*rows);
  ComposeBuffer.Unlock();
}

void Refresh() {
  RecomposeLayers();
  if (core::GameRunning == 1) DimWindowBackdrop();
  ComposeBuffer.ComposeOnto(Screen);
  if (MessageWindow.shown != 0) RedrawText();
  if (ChoicesShown != 0) RedrawChoices();
}

}  // namespace display
