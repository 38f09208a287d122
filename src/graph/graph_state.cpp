#include "graph/graph_state.h"
