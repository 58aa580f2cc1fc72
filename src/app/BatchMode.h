#pragma once
// Batch mode: the window's own logic on a hidden window (Qt's offscreen platform), with a
// clipboard that prints to standard output.
namespace tintlace {

bool isBatchInvocation(int argc, char** argv);
// Returns the exit status: 0 on success, 2 on bad input or a failed output.
int runBatch(int argc, char** argv);

} // namespace tintlace
