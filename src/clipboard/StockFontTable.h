// The stock font choices of CStockFont and the GDI stock object ids they
// stand for.
#pragma once

namespace clipboard {

// The stock object id of a font choice 0..5; any other choice keeps `current`.
int StockObjectIdFor(int choice, int current);
// The font choice of a stock object id; 0 for ids without a choice of their own.
int StockFontChoiceOf(int stockObjectId);

} // namespace clipboard
