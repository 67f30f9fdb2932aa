#pragma once
// Adding and removing events through the create and close commands' code
// (without the create dialog): 1,000 created and closed one after the
// other against bare CreateEventA/CloseHandle, and against the least that
// any list of held events must do for them; and a list filled and emptied
// again, in which every command refreshes every item held.
class CBenchTable;

void RunCommandBench(CBenchTable& table);
