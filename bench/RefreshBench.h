#pragma once
// The refresh command on the running view holding 10, 1,000 and 10,000
// events, against a bare loop of zero-time-out waits over the same handles:
// steady (no icon changes) and flip (every icon changes). A refresh is timed
// with the repainting that it leaves to do, so that work the list view
// defers to its next paint is counted too.
class CBenchTable;

void RunRefreshBench(CBenchTable& table);
