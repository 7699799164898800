"""The player's own reasoning: which pairs can be taken (a breadth-first search
over the grid counting corners) and an order that clears the whole board."""
from collections import deque
import random
import time

GRID_W, GRID_H = 20, 10
COLS = 18


def cell_of(slot):
    return slot % COLS + 1, slot // COLS + 1


def joinable(occupied, a, b):
    """True when a line with at most two corners joins slots a and b through empty
    cells of the 20 x 10 grid (the ring included)."""
    start, goal = cell_of(a), cell_of(b)
    blocked = {cell_of(s) for s in occupied if s not in (a, b)}
    steps = ((1, 0), (-1, 0), (0, 1), (0, -1))
    best = {}
    queue = deque()
    for d in range(4):
        queue.append((start[0], start[1], d, 0))
        best[(start[0], start[1], d)] = 0
    while queue:
        x, y, d, turns = queue.popleft()
        for nd, (dx, dy) in enumerate(steps):
            nturns = turns + (nd != d)
            if nturns > 2:
                continue
            nx, ny = x + dx, y + dy
            if not (0 <= nx < GRID_W and 0 <= ny < GRID_H):
                continue
            if (nx, ny) == goal:
                return True
            if (nx, ny) in blocked:
                continue
            key = (nx, ny, nd)
            if key in best and best[key] <= nturns:
                continue
            best[key] = nturns
            if nd == d:
                queue.appendleft((nx, ny, nd, nturns))
            else:
                queue.append((nx, ny, nd, nturns))
    return False


def removable_pairs(faces):
    """faces: dict slot -> face of the tiles on the board."""
    by_face = {}
    for slot, face in faces.items():
        by_face.setdefault(face, []).append(slot)
    occupied = set(faces)
    pairs = []
    for face, slots in by_face.items():
        for i in range(len(slots)):
            for j in range(i + 1, len(slots)):
                if joinable(occupied, slots[i], slots[j]):
                    pairs.append((slots[i], slots[j]))
    return pairs


def plan(faces, seconds=60.0, seed=1):
    """A sequence of pairs that clears the board, by depth-first search with a
    preference for faces whose tiles can all go at once; None if none was found."""
    rng = random.Random(seed)
    deadline = time.monotonic() + seconds
    seen_dead = set()

    def order(pairs, faces):
        counts = {}
        for a, b in pairs:
            counts[faces[a]] = counts.get(faces[a], 0) + 1
        left = {}
        for face in faces.values():
            left[face] = left.get(face, 0) + 1
        # A face with only two tiles left, or whose four tiles pair up in any way, is safe.
        return sorted(pairs, key=lambda p: (left[faces[p[0]]] != 2 and counts[faces[p[0]]] < 6,
                                            rng.random()))

    def search(faces, moves):
        if not faces:
            return moves
        if time.monotonic() > deadline:
            return None
        key = frozenset(faces)
        if key in seen_dead:
            return None
        for a, b in order(removable_pairs(faces), faces):
            rest = dict(faces)
            del rest[a], rest[b]
            found = search(rest, moves + [(a, b)])
            if found is not None:
                return found
        seen_dead.add(key)
        return None

    return search(dict(faces), [])
