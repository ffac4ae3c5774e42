// Gives the heap's free pages back to the system. Reading a long tape back
// frees megabytes of buffers at once; the allocator would otherwise keep
// them for the whole run.
#pragma once

namespace tivorum {

void releaseFreedMemory();

}  // namespace tivorum
