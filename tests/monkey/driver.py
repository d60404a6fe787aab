"""Drives velun with random real input from a seed and checks it after each action."""
import os, random, subprocess, sys, time

menus = []
seed, minutes, work, probe, checker = int(sys.argv[1]), float(sys.argv[2]), sys.argv[3], sys.argv[4], sys.argv[5]
wine, log = os.environ["WINE"], []
rng = random.Random(seed)
actions = open(os.path.join(work, "actions.log"), "w")

def x(*args): subprocess.run(["xdotool", *map(str, args)], check=False)
def start(): subprocess.Popen([wine, "velun.exe"], cwd=os.path.join(work, "run"), stdin=subprocess.DEVNULL,
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

def fail(why):
    shot = os.path.join(work, f"fail-{seed}.png")
    subprocess.run(["import", "-window", "root", shot])
    print(f"monkey FAILED seed {seed}: {why}\nlast actions:\n" + "\n".join(log[-50:]) + f"\nscreenshot {shot}")
    sys.exit(1)

def probe_once():
    r = subprocess.run([wine, probe], capture_output=True, text=True, timeout=60)
    return r.returncode, r.stdout

def state(limit=20):
    """Waits (bounded) until velun answers; returns windows, working set and boxes."""
    end = time.time() + limit
    while True:
        code, out = probe_once()
        if code == 0 or time.time() > end: break
        time.sleep(0.5)
    if code: fail("velun " + out.strip())
    lines = out.splitlines()
    boxes = [l for l in lines if l.startswith("box")]
    w, ws = [l for l in lines if l.startswith("windows")][0].split()[1::2]
    close = [tuple(map(int, l.split()[1:])) for l in lines if l.startswith("close")]
    global menus
    menus = [tuple(map(int, l.split()[1:])) for l in lines if l.startswith("menu")]
    return int(w), int(ws), boxes, close[0] if close else None

def act(name, *steps):
    log.append(name); actions.write(name + "\n"); actions.flush()
    for s in steps: x(*s)

def move(): return ("mousemove", rng.randrange(1024), rng.randrange(740))
def settings_round():
    act("settings open"); start()
    end = time.time() + 15
    while state()[3] is None:
        if time.time() > end: fail("the settings did not open")
        time.sleep(0.3)
    for _ in range(rng.randrange(1, 6)):
        kind = rng.choice(["page", "tab", "type"])
        if kind == "page": act("ctrl+Tab", *[("key", "ctrl+Tab")] * rng.randrange(1, 7))
        elif kind == "tab": act("Tab", *[("key", "Tab")] * rng.randrange(1, 9))
        else:
            text = rng.choice([str(rng.randrange(-5, 300)), str(rng.randrange(10**6)), "".join(
                rng.choice("abcXYZ%#$ 0123") for _ in range(rng.randrange(1, 12)))])
            act(f"type {text!r}", ("key", "ctrl+a"), ("type", "--delay", "30", text))
    act("apply (Enter)", ("key", "Return"))
    return True

# The tray menu's items, as the distance of their middle from its bottom
# (at 100 %). The menu has no keyboard focus under Wine: the user clicks.
TRAY_ITEMS = [("ピッカーを表示", 112), ("パレットを表示", 95), ("ズーム", 69), ("範囲", 52), ("設定", 26), ("終了", 9)]

def wait_menus(count, limit=15):
    end = time.time() + limit
    while time.time() < end:
        state()
        if len(menus) >= count: return True
        time.sleep(0.2)
    return False

def leave_menus():
    for _ in range(3):
        if not menus: return
        act("leave the menus", ("mousemove", 600, 757), ("click", 1))  # the empty taskbar
        time.sleep(0.3)
        state()

def tray_menu():
    act("tray menu", ("mousemove", 1013, 757), ("click", 3))
    if not wait_menus(1): fail("the tray menu did not open")
    left, top, right, bottom = menus[0]
    n = rng.randrange(len(TRAY_ITEMS) + 1)
    if n == len(TRAY_ITEMS):
        leave_menus()
        return False
    name, dy = TRAY_ITEMS[n]
    if name == "終了" and rng.random() > 0.5:
        leave_menus()
        return False
    act("menu " + name, ("mousemove", left + 40, bottom - dy), ("click", 1))
    if name == "終了": return True
    time.sleep(0.3)
    state()
    if menus and len(menus) > 1:  # a submenu: one of its items, by the same reckoning from its top
        l2, t2, r2, b2 = menus[-1]
        act("submenu item", ("mousemove", l2 + 30, rng.randrange(t2 + 5, b2 - 4)), ("click", 1))
        time.sleep(0.3)
        state()
    leave_menus()
    return False

def step():
    c = rng.randrange(12)
    if c == 0: act("move", move())
    elif c == 1: act("drag", move(), ("mousedown", 1), move(), ("mouseup", 1))
    elif c == 2: act("spuit", move(), ("keydown", "alt"), ("click", 3), ("keyup", "alt"))
    elif c == 3: act("lock", ("key", "alt+F2"))
    elif c == 4: act("picker", ("key", "alt+F1"))
    elif c == 5:
        keys = [rng.choice([("click", 4), ("click", 5), ("key", rng.choice(["Up", "Down", "Left", "Right"]))])
                for _ in range(rng.randrange(1, 6))]
        act("zoom " + " ".join(str(k[1]) for k in keys), move(), ("keydown", "shift"), *keys, ("keyup", "shift"))
    elif c == 6:
        keys = [rng.choice(["1", "2", "3", "4", "5", "q", "w", "Return", "Delete"]) for _ in range(rng.randrange(1, 5))]
        act("palette " + " ".join(keys), ("key", "ctrl+p"), *[("key", k) for k in keys])
        if "Delete" in keys: act("answer", ("key", rng.choice(["Return", "Escape"])))
        act("palette close", ("key", "Escape"))
    elif c == 7: return "settings" if settings_round() else None
    elif c == 8:
        if tray_menu(): return "quit"
    else: act("move", move())
    return None

def check_files():
    r = subprocess.run([checker, os.path.join(work, "run")], capture_output=True, text=True)
    if r.returncode: fail("saved files: " + r.stdout.strip() + f" (code {r.returncode})")

start(); time.sleep(4)
w0, ws0, _, _ = state(30)
settings_made = False  # the pages are made at the first opening and kept
print(f"monkey seed {seed}: start windows {w0}, working set {ws0 // 1024} KiB")
end, count = time.time() + minutes * 60, 0
while time.time() < end:
    what = step(); count += 1
    if what == "quit":
        for _ in range(40):
            if probe_once()[0] == 1: break
            time.sleep(0.5)
        else: fail("velun did not end after 終了")
        check_files(); act("restart"); start(); time.sleep(3)
    time.sleep(0.3)
    w, ws, boxes, close = state()
    # In the settings the user's keys may refuse a value (エラー, 警告) or
    # press About...: such a box is the user's doing and is closed; any
    # other box is a fault. The settings may also have opened from the tray
    # menu: they are closed by their button, as a user does, and the bounds
    # count with them closed.
    for _ in range(5):
        if not boxes: break
        for b in boxes:
            if what == "settings" or close is not None: act("box closed " + b, ("key", "Return"))
            else: fail("unexpected " + b)
        time.sleep(0.5)
        w, ws, boxes, close = state()
    if close is not None:
        act("settings close", ("mousemove", *close), ("click", 1))
        for _ in range(40):
            w, ws, boxes, close = state()
            if close is None: break
            time.sleep(0.25)
        else: fail("the settings did not close")
        if not settings_made: settings_made, w0 = True, max(w0, w)
    if w > w0 + 10 or ws > ws0 + 30 * 2**20: fail(f"bounds: windows {w} (start {w0}), working set {ws}")
print(f"monkey seed {seed}: {count} actions in {minutes} min, passed")
