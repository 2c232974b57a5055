#include "mutual_section.h"

MutualSection::Lock::Lock(MutualSection& section) : section_(section)
{
    section_.mutex_.lock();
}

MutualSection::Lock::~Lock()
{
    section_.mutex_.unlock();
}
