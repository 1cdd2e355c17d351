// Leaks one block from a function of ours and ends normally: the leak checker must report it and
// fail the run, whatever the suppressions of the system libraries say.
#include <cstdio>

namespace {

int* volatile kept = nullptr;

int* MakeBlockOfOurs()
{
    return new int[64] { 7 };
}

} // namespace

int main()
{
    kept = MakeBlockOfOurs();
    std::printf("%d\n", kept[0]);
    kept = nullptr; // the last pointer to the block is gone
    return 0;
}
