#pragma once
// The distribution queries of a node (the hand buckets and the per-hand EV
// and equity lists, declared with the other queries in node_queries.hpp) and
// the building blocks they share with them.

#include "queries/node_queries.hpp"
#include "queries/node_steps.hpp"
