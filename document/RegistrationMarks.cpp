#include "document/Document.h"

void Document::ReadAdobeIllustratorPasserMarks() {}

void Document::completeColorTable() {}
