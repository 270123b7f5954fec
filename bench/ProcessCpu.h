#pragma once

#include <map>
#include <string>

// CPU time of this process, for the benches that report a share of one core.
namespace ProcessCpu {

// CPU seconds the whole process used so far.
double processSeconds();

// CPU seconds per thread name (threads of one name summed), from /proc/self/task.
std::map<std::string, double> threadSeconds();

} // namespace ProcessCpu
