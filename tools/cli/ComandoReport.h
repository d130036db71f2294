#pragma once
// selcomp-cli report: the report engine without windows, writing a PDF.

#include "tools/cli/Argomenti.h"

#include <QString>
#include <ostream>

// Template and data file are taken as given when they exist, else looked up (any case)
// in `cartellaCatalogo`. The labels are those of language `lingua` (--lang). Needs a
// QGuiApplication.
int comandoReport(const Argomenti& a, const QString& cartellaCatalogo, int lingua,
                  std::ostream& out, std::ostream& err);
