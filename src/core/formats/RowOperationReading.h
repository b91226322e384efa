#pragma once

#include <optional>
#include <string_view>

#include "core/engine/RowOperationText.h"

namespace korvane {

// A log line read as the row operation it names.
struct ReadOperation {
    RowOperation operation;
    std::string_view sentence;  // the line without the notation after it
};

// Reads every line the reduction writes for a row operation, in either
// wording and with or without its notation: "1行目と2行目を入れ換えます。",
// "2行目を1/2倍します。", "2行目から1行目の3倍を引きます。",
// "2行目に1行目の3倍を足します。" (both read as an addition: of −3 and of 3
// times row 1), each
// optionally followed by "  " and the operation's notation. Nothing for any
// other line.
std::optional<ReadOperation> ReadRowOperation(std::string_view line);

}  // namespace korvane
