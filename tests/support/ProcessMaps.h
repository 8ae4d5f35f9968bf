#pragma once
// The shared libraries this process has mapped, for the tests that check a
// library is loaded only when first needed.

#include <QStringList>

// The paths of the mapped files whose names contain any of `parts`.
QStringList mappedLibraries(const QStringList& parts);
