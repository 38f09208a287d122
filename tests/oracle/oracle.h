#pragma once

// The computations of the runs written step by step, the way they were first built: 200-entry
// scans, lists shifted element by element, weight texts read on every rebuild. The production
// code must leave the graph state exactly as these do.

#include <cstdint>

#include "graph/graph_state.h"

namespace tsp::oracle {

void BuildVertexEdgeLists(GraphState& state);
void LoadVertexEdgeList(const GraphState& state, VertexList& weights, VertexList& lineIds,
                        VertexList& boxes, int vertex);
void SortVertexEdgeList(VertexList& weights, VertexList& lineIds, VertexList& boxes);

void BuildSpanningTree(GraphState& state);
void SelectTreeVertex(GraphState& state);
void TakeListHead(GraphState& state, int vertex);
void RecordTreeEdge(GraphState& state, int slot, const VertexList& weights, const VertexList& boxes,
                    const VertexList& lineIds);
void ClearListHead(GraphState& state, VertexList& weights, VertexList& boxes, VertexList& lineIds);
void ShiftListHeads(VertexList& weights, VertexList& boxes, VertexList& lineIds);
void ShiftList(VertexList& list);
void MarkInTree(GraphState& state, int vertex);
void TestOutsideTree(GraphState& state, int vertex);
void RunSpanningTreeRepetitions(GraphState& state);

struct WalkState {
  TourList& ChildLists;
  TourList& ChildListMarks;
  TourList& TreeWalk;
  std::int16_t CurrentVertex = 0;
  int ListPosition = 0;
  int WalkIndex = 0;
  std::int16_t NextEntry = 0;
  std::int16_t NextMark = 0;
  bool Finished = false;
  bool Complete = false;
  bool Found = false;
};

void BuildChildLists(GraphState& state);
void AppendLeafGroups(GraphState& state);
void WalkSpanningTree(TourList& childLists, TourList& childListMarks, TourList& treeWalk);
void FindVertexGroup(WalkState& walk);
void NextUnvisitedChild(WalkState& walk);
void MarkVertexFinished(WalkState& walk);
void CheckWalkComplete(WalkState& walk);
void StepBackToParent(WalkState& walk);
void ShortcutWalk(GraphState& state, TourList& vertexUsed, TourList& treeWalk);
void SearchTour(GraphState& state);
void RunTourRepetitions(GraphState& state);

void BuildLightCycle(GraphState& state);
void RunLightCycleRepetitions(GraphState& state);

}  // namespace tsp::oracle
