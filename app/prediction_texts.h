// The words of predict first: what each prediction turned out to be, and for a wrong one the
// explanation the circuit's structure gives, with its numbers.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <vector>

#include "files/circuit_model.h"

namespace cw {

class PredictionTexts {
    Q_DECLARE_TR_FUNCTIONS(PredictionTexts)

  public:
    // "✔ Bulb 2: dim, right." or "✘ Bulb 3: you said bright; it is dim, 0.071 A. Bulbs 2 and 3
    // are in one loop: the same 0.071 A passes through both."
    static QString Verdict(const CircuitModel::Verdict& v);
    static QString Explanation(const Explained& e);
    // "Predictions: 3 of 4 right".
    static QString Tally(int right, int made);
    // All the verdicts, for those who listen: "Shown. 1 of 2 right. ..."
    static QString Spoken(const std::vector<CircuitModel::Verdict>& verdicts);
};

}  // namespace cw
