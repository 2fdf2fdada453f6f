#pragma once

#include <QString>

class Document;

// The name under which the status display shows group n of a job (counted
// from 0, as the blocks carry it): "Ebene n: <layer name>" when the job is
// cut by layers, "Farbe n: <name> (CMYK c, m, y, k)" or "(RGB r, g, b)"
// when it is cut by colours. A group the document does not have shows its
// number with an empty name.
QString groupText(const Document& doc, int group);
