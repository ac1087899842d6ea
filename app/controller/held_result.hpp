#pragma once
// The figures of the held result as the results page shows them: a finished
// solve's, or a loaded project's.

#include <cstdint>

#include <QString>
#include <QVariantMap>
#include <QVariantList>

struct HeldResult {
  QString summary;
  double startingPot = 0.0;
  std::int32_t iterations = 0;
  double exploitability = 0.0;
  double evOop = 0.0;
  double evIp = 0.0;
  QVariantList rootActions;
  // The solve-configuration map the result was solved from (empty when not
  // known): the set-up may have changed since.
  QVariantMap spot;
};
