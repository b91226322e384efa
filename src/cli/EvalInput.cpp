#include "cli/EvalInput.h"

#include "cli/InputFile.h"
#include "cli/MatrixInput.h"
#include "core/workspace/Evaluation.h"
#include "core/workspace/Expression.h"
#include "core/workspace/WorkspaceFile.h"

namespace korvane {

namespace {

Workspace ReadWorkspace(const std::string& path, std::istream& in) {
    const std::string bytes = path == "-" ? ReadStandardInput(in) : ReadInputFile(path);
    const std::string named = path == "-" ? "standard input" : "'" + path + "'";
    if (!HoldsWorkspaceFile(bytes))
        throw UsageError(named + " is not a workspace file (no [workspace] section)");
    return WorkspaceFromBytes(bytes);
}

}  // namespace

Workspace ReadEvalWorkspace(const CliOptions& options, std::istream& in) {
    Workspace workspace = options.file ? ReadWorkspace(*options.file, in) : Workspace();
    for (const NamedInput& input : options.inputs) {
        const CellGrid grid =
            input.file == "-" ? ReadMatrixText(in) : ReadMatrixFromFile(input.file);
        workspace.Store(input.name, grid);
    }
    try {
        CheckExpression(options.expression, workspace);
    } catch (const ExpressionError& e) {
        throw UsageError(e.what());
    }
    return workspace;
}

}  // namespace korvane
