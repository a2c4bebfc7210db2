"""An 8-bit recogniser measured on lines written for the purpose.

The recogniser's convolutions are written with 8-bit inputs (ranges measured on sample lines,
percentiles rather than extremes, so that a few outliers do not spread the steps) and 8-bit
weights per output channel. Convolutions whose 8-bit error moves the network's output most stay
in float: each is measured alone, and the most sensitive are put back in float one after the
other until the 8-bit network reads held-out lines about as well as the float one. The sample
lines are rendered here with fonts from Debian packages, from English and Chinese text that no
page used to score the program contains.
"""

import os
import random
import resource

import numpy
from onnx import TensorProto, helper, numpy_helper

# Text for the sample lines, written for this purpose only.
ENGLISH = [
    "The harbour master counted 37 barges before noon; by dusk the tally reached 112.",
    "Winter wheat sown in late October needs about 450 mm of rain until the harvest.",
    "Please return the signed form (page 4, section B) no later than Friday, 9 May.",
    "A quiet village library lent 2,318 books last year, mostly novels and atlases.",
    "The bridge spans 86.5 metres and carries two lanes, a footpath and a cycle track.",
    "Grandmother's recipe calls for three eggs, 200 g of flour and a pinch of salt.",
    "Measurements were repeated at 14:30 and again at 16:45 to rule out drift.",
    "Volunteers planted oak, birch and rowan saplings along the northern hedge.",
    "Invoice #5573 lists forty-two items; the total, with tax, is EUR 1,964.08.",
    "Her telescope resolved Jupiter's moons as four faint points beside the disc.",
    "The orchestra rehearsed the second movement slowly, then at full tempo.",
    "Chapter 7 explains why copper pipes expand when hot water runs through them.",
    "Keep the lid closed: the glue sets within ten minutes at room temperature.",
    "Fishermen mend their nets in the shade while gulls circle over the quay.",
    "Trains to the coast leave hourly from platform 3 between 06:10 and 22:40.",
    "Soil samples from plots A-F showed nitrogen levels between 0.8% and 1.9%.",
    "The museum's new wing displays clocks, compasses and early calculators.",
    "Rainfall in June was double the average, so the river rose by 1.2 metres.",
    "Mix the paint thoroughly and apply two thin coats rather than one thick one.",
    "An old lighthouse keeper wrote daily notes about wind, waves and passing ships.",
    "Quarterly sales rose 6% (from 8,870 to 9,402 units) despite the long strike.",
    "Bees visit lavender, thyme and clover; the hives yielded 31 kg of honey.",
    "Check the tyre pressure monthly: 2.4 bar in front and 2.6 bar at the back.",
    "The committee adjourned at 5 p.m. and will meet again on 3 November.",
    "Jack's workshop smelled of sawdust, linseed oil and freshly brewed coffee.",
    "Vaccination records must be kept for at least 25 years after the last dose.",
    "Hikers should carry water, a map and a whistle; the trail climbs 740 m.",
    "In 1887 the mill switched from water wheels to a coal-fired steam engine.",
    "Xylophones, zithers and banjos filled the crowded hall with a bright sound.",
    "Set the oven to 180 degrees, bake for 35 minutes and let it cool on a rack.",
    "The survey asked 1,506 households how often they cycle to work or school.",
    "Snow closed the mountain pass for nine days; supplies came by helicopter.",
    "Question 12: which of the following gases is lighter than air? Explain.",
    "Our ferry crossed the strait in 48 minutes, half an hour faster than usual.",
    "Lemon trees need sun, shelter from frost and well-drained, sandy soil.",
    "The tailor measured sleeves, collar and waist, then chalked the grey cloth.",
    "Every spring the town repaints its benches green and its railings black.",
    "Vintage maps show the marsh that was drained to build the airport in 1962.",
    "Power use fell by 18 kWh a week once the old freezer was replaced.",
    "She answered every letter by hand, in blue ink, within three days.",
]
CHINESE = [
    "港口管理员中午前数了三十七艘驳船，到傍晚一共是一百一十二艘。",
    "晚秋播种的冬小麦在收获之前大约需要四百五十毫米的降雨。",
    "请在五月九日星期五之前交回签好字的表格（第4页，B部分）。",
    "一座安静的乡村图书馆去年借出了2318本书，大多是小说和地图集。",
    "这座桥长86.5米，有两条车道、一条人行道和一条自行车道。",
    "奶奶的食谱需要三个鸡蛋、两百克面粉和一小撮盐。",
    "测量在十四点三十分重复了一次，十六点四十五分又做了一次。",
    "志愿者们沿着北边的树篱种下了橡树、桦树和花楸树苗。",
    "她的望远镜把木星的卫星分辨成圆盘旁边四个暗淡的光点。",
    "乐团先慢慢排练了第二乐章，然后按正常速度演奏了一遍。",
    "第七章解释了热水流过时铜管为什么会膨胀。",
    "渔民们在树荫下修补渔网，海鸥在码头上空盘旋。",
    "去海边的火车每小时一班，从三号站台发车，时间是早上六点十分到晚上十点四十分。",
    "博物馆新建的展厅陈列着钟表、罗盘和早期的计算器。",
    "六月的降雨量是平均值的两倍，所以河水上涨了一点二米。",
    "把油漆充分搅拌均匀，刷两层薄的，不要刷一层厚的。",
    "一位老灯塔看守人每天记录风、海浪和过往的船只。",
    "蜜蜂采薰衣草、百里香和三叶草的花蜜，蜂箱产了三十一公斤蜂蜜。",
    "每个月检查一次轮胎气压：前轮二点四巴，后轮二点六巴。",
    "委员会下午五点休会，将于十一月三日再次开会。",
    "工作室里弥漫着锯末、亚麻籽油和新煮咖啡的味道。",
    "徒步的人应该带上水、地图和哨子，这条小路要爬升七百四十米。",
    "一八八七年，磨坊把水车换成了烧煤的蒸汽机。",
    "把烤箱调到一百八十度，烤三十五分钟，然后放在架子上冷却。",
    "大雪封山九天，物资只能靠直升机运进来。",
    "我们的渡轮用四十八分钟穿过海峡，比平时快了半个小时。",
    "柠檬树需要阳光、防霜的遮蔽和排水良好的沙质土壤。",
    "裁缝量了袖子、领口和腰围，然后在灰色的布上用粉笔画线。",
    "每年春天，小镇都会把长椅漆成绿色，把栏杆漆成黑色。",
    "旧地图上还能看到那片沼泽，一九六二年它被排干建成了机场。",
    "换掉旧冰箱以后，每周的用电量减少了十八千瓦时。",
    "她用蓝色墨水亲手回复每一封信，总在三天之内寄出。",
    "调查询问了1506户家庭，他们多久骑一次自行车去上班或上学。",
    "问题12：下列哪种气体比空气轻？请说明理由。",
    "山谷里的雾到了九点才散，远处的村庄慢慢露了出来。",
    "这家面包店凌晨四点开始和面，七点前第一批面包就卖完了。",
]

LATIN_FONTS = [
    "/usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf",
    "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
    "/usr/share/texmf/fonts/opentype/public/lm/lmroman10-regular.otf",
    "/usr/share/texmf/fonts/opentype/public/lm/lmroman12-regular.otf",
    "/usr/share/texmf/fonts/opentype/public/lm/lmsans10-regular.otf",
    "/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf",
]
CJK_FONTS = [
    "/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc",
    "/usr/share/fonts/opentype/noto/NotoSerifCJK-Regular.ttc",
]

REC_HEIGHT = 48  # rows of the recogniser's input
LINE_HEIGHT = 40  # rows the line's own band is scaled to, centred (as the program does)


def _fonts(paths):
    found = [p for p in paths if os.path.exists(p)]
    if not found:
        raise SystemExit(f"none of these fonts is installed: {paths}")
    return found


def _band(grey):
    """The rows of the line's own ink around its middle, grown by a fifth, as the program cuts."""
    inked = (grey < 128).sum(axis=1) >= max(1, grey.shape[1] // 400)
    rows = numpy.flatnonzero(inked)
    if rows.size == 0:
        return grey
    middle = rows[numpy.argmin(numpy.abs(rows - grey.shape[0] // 2))]
    top = bottom = middle
    while top > 0 and inked[top - 1]:
        top -= 1
    while bottom + 1 < len(inked) and inked[bottom + 1]:
        bottom += 1
    margin = max(2, (bottom - top + 1) // 5)
    return grey[max(0, top - margin):bottom + margin + 1]


def render_line(text, font_path, pixel_size, rng):
    """A line as the program feeds it to the recogniser: [3, 48, W] grey levels in [-1, 1]."""
    from PIL import Image, ImageDraw, ImageFilter, ImageFont

    font = ImageFont.truetype(font_path, pixel_size)
    left, top, right, bottom = font.getbbox(text)
    pad = pixel_size // 2
    image = Image.new("L", (right - left + 2 * pad, bottom - top + 2 * pad), 255)
    ImageDraw.Draw(image).text((pad - left, pad - top), text, font=font, fill=rng.randint(0, 60))
    if rng.random() < 0.5:  # a scan is rarely as sharp as a render
        image = image.filter(ImageFilter.GaussianBlur(rng.uniform(0.4, 1.2)))
    grey = numpy.asarray(image)
    band = Image.fromarray(_band(grey))
    width = max(16, round(band.width * LINE_HEIGHT / band.height))
    scaled = numpy.asarray(band.resize((width, LINE_HEIGHT), Image.LANCZOS), numpy.float32)
    padded_width = (width + 31) // 32 * 32
    line = numpy.full((REC_HEIGHT, padded_width), 255.0, numpy.float32)
    offset = (REC_HEIGHT - LINE_HEIGHT) // 2
    line[offset:offset + LINE_HEIGHT, :width] = scaled
    values = (line / 255.0 - 0.5) * 2.0
    return numpy.repeat(values[None, None], 3, axis=1)


def sample_lines(draw=7):
    """(calibration, held-out) lists of (tensor, text, script): disjoint sentences, each set
    English and Chinese in several fonts and sizes (about 11 points at 300 dots per inch)."""
    rng = random.Random(draw)
    latin = _fonts(LATIN_FONTS)
    cjk = _fonts(CJK_FONTS)
    sets = ([], [])
    for texts, fonts, script in ((ENGLISH, latin, "latin"), (CHINESE, cjk, "wide")):
        for index, text in enumerate(texts):
            target = sets[0] if index % 3 else sets[1]
            font = fonts[index % len(fonts)]
            size = rng.randint(36, 54) if target is sets[0] else rng.randint(22, 54)
            target.append((render_line(text, font, size, rng), text, script))
    return sets


# --- Measuring ---------------------------------------------------------------------------------

def conv_nodes(model):
    return [n for n in model.graph.node if n.op_type == "Conv"]


def with_outputs(model, names):
    """A copy of model that also returns the named float tensors."""
    copy = type(model)()
    copy.CopyFrom(model)
    known = {o.name for o in copy.graph.output}
    for name in names:
        if name not in known:
            copy.graph.output.append(helper.make_tensor_value_info(name, TensorProto.FLOAT, None))
            known.add(name)
    return copy


def activation_ranges(runtime, model, lines, percentile):
    """(low, high) of every convolution's input and output over the lines: the given percentile
    of the values at both ends, widened to include 0."""
    names = sorted({n.input[0] for n in conv_nodes(model)} | {n.output[0]
                                                             for n in conv_nodes(model)})
    rng = numpy.random.default_rng(3)
    samples = {name: [] for name in names}
    with runtime.session(with_outputs(model, names).SerializeToString(), threads=2) as session:
        for tensor, _, _ in lines:
            for name, value in zip(names, session.run("x", tensor, names)):
                flat = value.reshape(-1)
                if flat.size > 200_000:  # a sample keeps memory bounded
                    flat = rng.choice(flat, 200_000, replace=False)
                samples[name].append(flat)
    ranges = {}
    for name, parts in samples.items():
        values = numpy.concatenate(parts)
        low = min(0.0, float(numpy.percentile(values, 100 - percentile)))
        high = max(0.0, float(numpy.percentile(values, percentile)))
        if high - low < 1e-6:
            high = low + 1e-6
        ranges[name] = (low, high)
    return ranges


def quantise_convs(model, ranges, chosen):
    """A copy of model whose chosen convolutions (names) are 8-bit convolutions: inputs and
    outputs uint8 with asymmetric steps from the measured ranges, weights int8 with symmetric
    steps per output channel, bias int32. A float reader of their output reads it dequantised; a
    chosen convolution reading another's output takes its 8 bits directly. The network is
    written at operator set 11 (8-bit convolutions need 10 or later)."""
    from onnx import version_converter

    source = model
    if max(o.version for o in model.opset_import if o.domain in ("", "ai.onnx")) < 11:
        source = version_converter.convert_version(model, 11)
    copy = type(source)()
    copy.CopyFrom(source)
    graph = copy.graph
    constants = {i.name: numpy_helper.to_array(i) for i in graph.initializer}
    for node in graph.node:
        if node.op_type == "Constant" and node.attribute[0].name == "value":
            constants[node.output[0]] = numpy_helper.to_array(node.attribute[0].t)
    nodes = []
    inits = []
    eight_bit = {}  # float tensor -> (uint8 tensor, scale name, zero name)

    def constant(name, value):
        inits.append(numpy_helper.from_array(value, name))
        return name

    def steps(tensor):
        low, high = ranges[tensor]
        scale = (high - low) / 255.0
        zero = int(numpy.clip(round(-low / scale), 0, 255))
        return numpy.float32(scale), numpy.uint8(zero)

    def step_names(tensor):
        scale, zero = steps(tensor)
        return (constant(tensor + "_scale", numpy.array(scale, numpy.float32)),
                constant(tensor + "_zero", numpy.array(zero, numpy.uint8)))

    def as_eight_bit(tensor):
        if tensor not in eight_bit:
            scale, zero = step_names(tensor)
            nodes.append(helper.make_node("QuantizeLinear", [tensor, scale, zero],
                                          [tensor + "_u8"], name=tensor + "_quantise"))
            eight_bit[tensor] = (tensor + "_u8", scale, zero)
        return eight_bit[tensor]

    for conv in graph.node:
        if conv.op_type != "Conv" or conv.name not in chosen:
            nodes.append(conv)
            continue
        weight = constants[conv.input[1]]
        bias = constants[conv.input[2]] if len(conv.input) > 2 and conv.input[2] else \
            numpy.zeros(weight.shape[0], numpy.float32)
        x_scale, _ = steps(conv.input[0])
        peak = numpy.abs(weight.reshape(weight.shape[0], -1)).max(axis=1)
        # A channel of zero weights gets step 1 (its weights stay 0).
        w_scale = numpy.where(peak > 0, peak / 127.0, 1.0).astype(numpy.float32)
        w_q = numpy.clip(numpy.round(weight / w_scale.reshape(-1, 1, 1, 1)), -127, 127)
        limit = numpy.iinfo(numpy.int32)
        b_q = numpy.clip(numpy.round(bias / (w_scale * x_scale)), limit.min, limit.max)
        b_q = b_q.astype(numpy.int32)
        prefix = conv.name
        x_q, x_s, x_z = as_eight_bit(conv.input[0])
        output = conv.output[0]
        y_s, y_z = step_names(output)
        inputs = [x_q, x_s, x_z,
                  constant(prefix + "_w_q", w_q.astype(numpy.int8)),
                  constant(prefix + "_w_scale", w_scale),
                  constant(prefix + "_w_zero", numpy.zeros(weight.shape[0], numpy.int8)),
                  y_s, y_z,
                  constant(prefix + "_b_q", b_q)]
        quantised = helper.make_node("QLinearConv", inputs, [output + "_u8"], name=prefix)
        quantised.attribute.extend(conv.attribute)
        nodes.append(quantised)
        nodes.append(helper.make_node("DequantizeLinear", [output + "_u8", y_s, y_z], [output],
                                      name=prefix + "_dequantise"))
        eight_bit[output] = (output + "_u8", y_s, y_z)
    graph.initializer.extend(inits)
    del graph.node[:]
    graph.node.extend(_topological(nodes, graph))
    # The float weights of the 8-bit convolutions are read by nothing now.
    used = {name for node in graph.node for name in node.input}
    kept = [i for i in graph.initializer if i.name in used]
    del graph.initializer[:]
    graph.initializer.extend(kept)
    return copy


def _topological(nodes, graph):
    available = {i.name for i in graph.initializer} | {i.name for i in graph.input} | {""}
    ordered = []
    pending = list(nodes)
    while pending:
        remaining = []
        for node in pending:
            if all(name in available for name in node.input):
                ordered.append(node)
                available.update(node.output)
            else:
                remaining.append(node)
        if len(remaining) == len(pending):
            raise SystemExit("the quantised graph has a cycle or a missing tensor")
        pending = remaining
    return ordered


def read(session, lines, output):
    return [session.run("x", tensor, [output])[0][0] for tensor, _, _ in lines]


def decode(probabilities, dictionary):
    best = probabilities.argmax(axis=1)
    space = probabilities.shape[1] - 1
    text = []
    previous = -1
    for label in best:
        if label != previous and label > 0:
            if label == space:
                text.append(" ")
            elif label - 1 < len(dictionary):
                text.append(dictionary[label - 1])
        previous = label
    return "".join(text)


def _edits(a, b):
    row = list(range(len(b) + 1))
    for i, ca in enumerate(a, 1):
        previous, row[0] = row[0], i
        for j, cb in enumerate(b, 1):
            previous, row[j] = row[j], min(row[j] + 1, row[j - 1] + 1, previous + (ca != cb))
    return row[-1]


def error_rates(outputs, lines, dictionary):
    """Character error rate in percent per script, spaces removed."""
    edits = {}
    lengths = {}
    for probabilities, (_, text, script) in zip(outputs, lines):
        expected = "".join(text.split())
        actual = "".join(decode(probabilities, dictionary).split())
        edits[script] = edits.get(script, 0) + _edits(expected, actual)
        lengths[script] = lengths.get(script, 0) + len(expected)
    return {script: 100.0 * edits[script] / max(1, lengths[script]) for script in edits}


def total_variation(a_list, b_list):
    return float(numpy.mean([0.5 * numpy.abs(a - b).sum(axis=1).mean()
                             for a, b in zip(a_list, b_list)]))


def calibrate(runtime, model, output, dictionary, log, percentile=99.99, budget=0.1,
              max_float=12):
    """The 8-bit recogniser and what was measured: (model, report dict)."""
    from onnx import version_converter

    model = version_converter.convert_version(model, 11)
    calibration, held_out = sample_lines()
    ranges = activation_ranges(runtime, model, calibration, percentile)
    convs = [n.name for n in conv_nodes(model)]
    probe = calibration[::3]

    def session_of(chosen):
        return runtime.session(quantise_convs(model, dict(ranges), set(chosen))
                               .SerializeToString(), threads=2)

    with runtime.session(model.SerializeToString(), threads=2) as session:
        float_probe = read(session, probe, output)
        float_held = read(session, held_out, output)
    float_rates = error_rates(float_held, held_out, dictionary)

    # Each convolution alone in 8 bits: how far it moves the output.
    sensitivity = {}
    for name in convs:
        with session_of([name]) as session:
            sensitivity[name] = total_variation(read(session, probe, output), float_probe)
    order = sorted(convs, key=lambda name: sensitivity[name], reverse=True)
    log(f"most sensitive: {[(n, round(sensitivity[n], 4)) for n in order[:6]]}")

    # Put the most sensitive back in float until held-out lines read as well as in float.
    kept_float = []
    while True:
        chosen = [n for n in convs if n not in kept_float]
        with session_of(chosen) as session:
            rates = error_rates(read(session, held_out, output), held_out, dictionary)
        log(f"{len(kept_float)} in float: error {rates} (float {float_rates})")
        fits = all(rates[s] <= float_rates[s] + budget for s in rates)
        if fits or len(kept_float) >= max_float:
            break
        kept_float.append(order[len(kept_float)])
    scripts = sorted(s for s in rates if rates[s] <= float_rates[s] + budget)
    quantised = quantise_convs(model, dict(ranges), set(chosen))
    with runtime.session(model.SerializeToString(), threads=1) as float_session, \
            runtime.session(quantised.SerializeToString(), threads=1) as eight_bit_session:
        float_cpu = _processor_seconds(float_session, held_out, output)
        eight_bit_cpu = _processor_seconds(eight_bit_session, held_out, output)
    report = {
        "percentile": percentile,
        "calibration_lines": len(calibration),
        "held_out_lines": len(held_out),
        "float_layers": kept_float,
        "eight_bit_layers": len(convs) - len(kept_float),
        "error_float": {s: round(v, 3) for s, v in float_rates.items()},
        "error_8bit": {s: round(v, 3) for s, v in rates.items()},
        "scripts": scripts,
        "cpu_ratio_one_thread": round(eight_bit_cpu / max(1e-9, float_cpu), 3),
    }
    return quantised, report


def _processor_seconds(session, lines, output):
    """Processor time of reading the lines (the best of three rounds)."""
    read(session, lines[:2], output)  # the first run prepares the session
    rounds = []
    for _ in range(3):
        usage = resource.getrusage(resource.RUSAGE_SELF)
        start = usage.ru_utime + usage.ru_stime
        read(session, lines, output)
        usage = resource.getrusage(resource.RUSAGE_SELF)
        rounds.append(usage.ru_utime + usage.ru_stime - start)
    return min(rounds)
