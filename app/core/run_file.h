// The caption and body "run" features.
#pragma once

// A program, or a document or folder through its associated program.
void RunFile(const char* command);
