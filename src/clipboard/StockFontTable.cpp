#include "clipboard/StockFontTable.h"

#include <iterator>

namespace clipboard {
namespace {
// Choice n uses kStockObjectIds[n]: OEM_FIXED_FONT, ANSI_VAR_FONT,
// ANSI_FIXED_FONT, SYSTEM_FONT, SYSTEM_FIXED_FONT, DEVICE_DEFAULT_FONT.
constexpr int kStockObjectIds[] = {10, 12, 11, 13, 16, 14};
} // namespace

int StockObjectIdFor(int choice, int current) {
    if (choice < 0 || choice >= static_cast<int>(std::size(kStockObjectIds))) return current;
    return kStockObjectIds[choice];
}

int StockFontChoiceOf(int stockObjectId) {
    for (int choice = 0; choice < static_cast<int>(std::size(kStockObjectIds)); ++choice)
        if (kStockObjectIds[choice] == stockObjectId) return choice;
    return 0;
}

} // namespace clipboard
