#include "core/jordan/ModeMatrices.h"

#include <algorithm>

#include "core/StopSignal.h"
#include "core/engine/MatrixPrinting.h"

namespace korvane {

namespace {

ModeMatrix ZeroModes(int rows, int cols) {
    return ModeMatrix(static_cast<std::size_t>(rows), std::vector<ModeSum>(static_cast<std::size_t>(cols)));
}

}  // namespace

ModeMatrix ModesOfJ(const JordanForm& form) {
    const int n = form.j.LastRow() + 1;
    ModeMatrix modes = ZeroModes(n, n);
    for (const JordanBlock& block : form.blocks) {
        for (int i = 0; i < block.size; ++i) {
            for (int j = 0; i + j < block.size; ++j)
                modes[static_cast<std::size_t>(block.first + i)][static_cast<std::size_t>(block.first + i + j)]
                    .Add(block.eigenvalue, j, CpxOne());
        }
    }
    return modes;
}

ModeMatrix ModesOfA(const JordanForm& form) {
    const int n = form.j.LastRow() + 1;
    const ModeMatrix inner = ModesOfJ(form);
    ModeMatrix modes = ZeroModes(n, n);
    for (int r = 0; r < n; ++r) {
        for (int c = 0; c < n; ++c) {
            StopPoint();
            ModeSum& entry = modes[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
            for (int k = 0; k < n; ++k) {
                for (int l = k; l < n; ++l) {
                    const ModeSum& mode = inner[static_cast<std::size_t>(k)][static_cast<std::size_t>(l)];
                    if (mode.IsZero()) continue;
                    entry.AddScaled(mode, CpxMul(form.p.At(k, r), form.pInverse.At(c, l)));
                }
            }
        }
    }
    return modes;
}

std::vector<ModeSum> ModesTimes(const ModeMatrix& m, const ExactVector& x) {
    std::vector<ModeSum> result(m.size());
    for (std::size_t r = 0; r < m.size(); ++r) {
        for (std::size_t c = 0; c < x.size(); ++c)
            result[r].AddScaled(m[r][c], x[c]);
    }
    return result;
}

ModeMatrix NumbersTimesModes(const WorkMatrix& a, const ModeMatrix& m) {
    const int n = a.LastRow() + 1;
    const int cols = m.empty() ? 0 : static_cast<int>(m.front().size());
    ModeMatrix result = ZeroModes(n, cols);
    for (int r = 0; r < n; ++r) {
        for (int c = 0; c < cols; ++c) {
            StopPoint();
            for (int k = 0; k <= a.LastCol(); ++k)
                result[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)].AddScaled(
                    m[static_cast<std::size_t>(k)][static_cast<std::size_t>(c)], a.At(k, r));
        }
    }
    return result;
}

ModeMatrix ShiftedModes(const ModeMatrix& m) {
    ModeMatrix result = m;
    for (std::vector<ModeSum>& row : result) {
        for (ModeSum& entry : row)
            entry = entry.Shifted();
    }
    return result;
}

WorkMatrix ModeValues(const ModeMatrix& m,
                      const std::function<ComplexFraction(const ModeSum&)>& value) {
    WorkMatrix values;
    values.Resize(static_cast<int>(m.front().size()), static_cast<int>(m.size()));
    for (std::size_t r = 0; r < m.size(); ++r) {
        for (std::size_t c = 0; c < m[r].size(); ++c)
            values.Set(static_cast<int>(c), static_cast<int>(r), value(m[r][c]));
    }
    return values;
}

void PrintModeMatrix(const ModeMatrix& m, const std::function<std::string(const ModeSum&)>& text,
                     StepLog& log) {
    std::vector<std::vector<std::string>> entries;
    for (const std::vector<ModeSum>& row : m) {
        entries.emplace_back();
        for (const ModeSum& entry : row)
            entries.back().push_back(text(entry));
    }
    PrintTextMatrix(entries, log);
}

}  // namespace korvane
