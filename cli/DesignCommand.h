#pragma once

/// veltra-cli design PROJECT.hor ...: prints the design as JSON; refusals exit 1, usage errors 2.
int runDesignCommand(int argc, char* argv[]);
