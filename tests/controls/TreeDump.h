// A compact text form of a link label node tree, so that expectations read
// as text:
//
//   root['a', b['bold'], link0['x'], br, p, dyn0[], ?<br/>]
//
// Text in single quotes, style spans b/i/u, links and dynamic nodes with
// their numbers, breaks br and p, unknown tags as ?<tag>.
#pragma once

#include "controls/OrqJvLinkLabelTree.h"

#include <QString>

QString DumpNode(const TNode& node);
QString DumpTree(const TNodeTree& tree);
