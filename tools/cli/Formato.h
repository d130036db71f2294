#pragma once
// Picture patterns of the results and tables screens ("#,##0.##", "0.###", "#,###.00",
// "#,###"), written with a point and a comma whatever the locale: the tool's output is
// for scripts as much as for people.

#include <string>

std::string formatoSchema(double valore, const std::string& schema);
