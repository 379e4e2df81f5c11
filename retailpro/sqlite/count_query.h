#pragma once

// The record count of a query on the embedded engine, without computing the
// query's select list.

#include <optional>
#include <string>
#include <string_view>

namespace lumora {

// A statement that counts the rows `sql` yields, made of its FROM and WHERE
// clauses alone: "select count(*) from <from and where>". SQLite would
// otherwise evaluate every subquery of the select list for the count too,
// which makes up most of the inventory query's cost.
//
// Recognised: "select <list> from <tables> [where ...] [order by ...]", also
// wrapped in any number of "select <list> from ( ... ) [alias]" that add no
// clause of their own. A select list that can change the number of rows
// (DISTINCT, an aggregate outside a subquery), that holds a parameter, or
// whose names the kept clauses might mean, and any other clause (GROUP BY,
// UNION, LIMIT, ...) give no answer: the caller then counts the whole query.
std::optional<std::string> CountQueryText(std::string_view sql);

}  // namespace lumora
