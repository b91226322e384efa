#pragma once

// The matrices of closed forms the Jordan form gives: Jⁿ or e^{tJ} block
// by block, and P·(that)·P⁻¹, each entry a mode sum; and how they print.
#include <functional>
#include <string>
#include <vector>

#include "core/StepLog.h"
#include "core/StopSignal.h"
#include "core/engine/MatrixArithmetic.h"
#include "core/engine/MatrixPrinting.h"
#include "core/jordan/JordanForm.h"
#include "core/jordan/ModeSum.h"

namespace korvane {

template <EngineField F>
BasicModeMatrix<F> ZeroModes(int rows, int cols) {
    return BasicModeMatrix<F>(static_cast<std::size_t>(rows),
                              std::vector<BasicModeSum<F>>(static_cast<std::size_t>(cols)));
}

// J's modes: entry (i, i+j) of a block of λ is M(λ, j).
template <EngineField F>
BasicModeMatrix<F> ModesOfJ(const BasicJordanForm<F>& form) {
    const int n = form.j.LastRow() + 1;
    BasicModeMatrix<F> modes = ZeroModes<F>(n, n);
    for (const BasicJordanBlock<F>& block : form.blocks) {
        for (int i = 0; i < block.size; ++i) {
            for (int j = 0; i + j < block.size; ++j)
                modes[static_cast<std::size_t>(block.first + i)][static_cast<std::size_t>(block.first + i + j)]
                    .Add(block.eigenvalue, j, F::One());
        }
    }
    return modes;
}

// P·J's modes·P⁻¹: Aⁿ or e^{tA}.
template <EngineField F>
BasicModeMatrix<F> ModesOfA(const BasicJordanForm<F>& form) {
    const int n = form.j.LastRow() + 1;
    const BasicModeMatrix<F> inner = ModesOfJ(form);
    BasicModeMatrix<F> modes = ZeroModes<F>(n, n);
    for (int r = 0; r < n; ++r) {
        for (int c = 0; c < n; ++c) {
            StopPoint();
            BasicModeSum<F>& entry = modes[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
            for (int k = 0; k < n; ++k) {
                for (int l = k; l < n; ++l) {
                    const BasicModeSum<F>& mode = inner[static_cast<std::size_t>(k)][static_cast<std::size_t>(l)];
                    if (mode.IsZero()) continue;
                    entry.AddScaled(mode, F::Mul(form.p.At(k, r), form.pInverse.At(c, l)));
                }
            }
        }
    }
    return modes;
}

// m·x for a vector of numbers.
template <EngineField F>
std::vector<BasicModeSum<F>> ModesTimes(const BasicModeMatrix<F>& m, const BasicVector<F>& x) {
    std::vector<BasicModeSum<F>> result(m.size());
    for (std::size_t r = 0; r < m.size(); ++r) {
        for (std::size_t c = 0; c < x.size(); ++c)
            result[r].AddScaled(m[r][c], x[c]);
    }
    return result;
}

// a·m for a matrix of numbers a.
template <EngineField F>
BasicModeMatrix<F> NumbersTimesModes(const BasicWorkMatrix<F>& a, const BasicModeMatrix<F>& m) {
    const int n = a.LastRow() + 1;
    const int cols = m.empty() ? 0 : static_cast<int>(m.front().size());
    BasicModeMatrix<F> result = ZeroModes<F>(n, cols);
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

// Every entry shifted (BasicModeSum::Shifted).
template <EngineField F>
BasicModeMatrix<F> ShiftedModes(const BasicModeMatrix<F>& m) {
    BasicModeMatrix<F> result = m;
    for (std::vector<BasicModeSum<F>>& row : result) {
        for (BasicModeSum<F>& entry : row)
            entry = entry.Shifted();
    }
    return result;
}

// The numbers value(entry) of every entry.
template <EngineField F, class Value>
BasicWorkMatrix<F> ModeValues(const BasicModeMatrix<F>& m, const Value& value) {
    BasicWorkMatrix<F> values;
    values.Resize(static_cast<int>(m.front().size()), static_cast<int>(m.size()));
    for (std::size_t r = 0; r < m.size(); ++r) {
        for (std::size_t c = 0; c < m[r].size(); ++c)
            values.Set(static_cast<int>(c), static_cast<int>(r), value(m[r][c]));
    }
    return values;
}

// Each entry written by text, then printed.
template <EngineField F, class Text>
void PrintModeMatrix(const BasicModeMatrix<F>& m, const Text& text, StepLog& log) {
    TextRows entries;
    for (const std::vector<BasicModeSum<F>>& row : m) {
        entries.emplace_back();
        for (const BasicModeSum<F>& entry : row)
            entries.back().push_back(text(entry));
    }
    PrintTextMatrix(entries, log);
}

}  // namespace korvane
