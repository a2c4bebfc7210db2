#!/usr/bin/python3
"""Writes the OCR networks in the form the program loads.

The program expects each network's single output under the name "fetch_name_0" and the
recogniser's dictionary as the custom metadata entry "character" (one class per line, UTF-8).
This script adds an Identity node that exposes the original output under that name and embeds
the dictionary file as it is. Run with Debian's /usr/bin/python3 (python3-onnx).

It also rewrites chains of element-wise operations into fewer ones with the same results (up to
float rounding): the networks were exported with every scale-and-shift after a convolution and
every hard-swish spelled out as four operations, and each pass over the activations costs as much
as a small convolution. The inference runtime leaves those chains as they are.

Beside the recogniser it writes the same network answering only for the classes of narrow scripts
(PP-OCRv6_rec_small_latin.onnx), which the program reads pages without CJK characters with.
"""

import argparse
import os
import sys

import numpy
import onnx
from onnx import helper, numpy_helper

OUTPUT_NAME = "fetch_name_0"


def expose_output(model, expected):
    graph = model.graph
    if len(graph.output) != 1:
        sys.exit(f"expected one network output, found {len(graph.output)}")
    original = graph.output[0]
    if expected and original.name != expected:
        sys.exit(f"expected output {expected!r}, found {original.name!r}")
    if original.name == OUTPUT_NAME:
        return
    graph.node.append(
        helper.make_node("Identity", [original.name], [OUTPUT_NAME], name="expose_fetch_name_0"))
    exposed = onnx.ValueInfoProto()
    exposed.CopyFrom(original)
    exposed.name = OUTPUT_NAME
    del graph.output[:]
    graph.output.append(exposed)


class Graph:
    """The nodes of a graph with their producers, consumers and constant values."""

    def __init__(self, model):
        self.graph = model.graph
        self.constants = {i.name: numpy_helper.to_array(i) for i in self.graph.initializer}
        for node in self.graph.node:
            if node.op_type == "Constant" and node.attribute[0].name == "value":
                self.constants[node.output[0]] = numpy_helper.to_array(node.attribute[0].t)
        self.outputs = {o.name for o in self.graph.output}
        self.refresh()

    def refresh(self):
        self.producer = {out: node for node in self.graph.node for out in node.output}
        self.consumers = {}
        for node in self.graph.node:
            for name in node.input:
                self.consumers.setdefault(name, []).append(node)

    def only_consumer(self, name):
        users = self.consumers.get(name, [])
        if len(users) != 1 or name in self.outputs:
            return None
        return users[0]

    def scalar(self, name):
        value = self.constants.get(name)
        if value is None or value.size != 1:
            return None
        return float(value.reshape(-1)[0])

    def scalar_operand(self, node):
        """(other input, scalar value) of a binary node with one scalar constant input."""
        if len(node.input) != 2:
            return None, None
        for mine, other in ((0, 1), (1, 0)):
            value = self.scalar(node.input[mine])
            if value is not None and node.input[other] not in self.constants:
                return node.input[other], value
        return None, None

    def set_constant(self, node, index, value, tag):
        name = f"{node.name or node.output[0]}_{tag}"
        self.graph.initializer.append(numpy_helper.from_array(value.astype(numpy.float32), name))
        self.constants[name] = value
        while len(node.input) <= index:
            node.input.append("")
        node.input[index] = name

    def conv_weights(self, conv):
        weight = self.constants.get(conv.input[1])
        if weight is None:
            return None, None
        if len(conv.input) > 2 and conv.input[2]:
            bias = self.constants.get(conv.input[2])
            if bias is None:
                return None, None
        else:
            bias = numpy.zeros(weight.shape[0], numpy.float32)
        return weight, bias

    def remove(self, nodes):
        doomed = {id(node) for node in nodes}
        kept = [node for node in self.graph.node if id(node) not in doomed]
        del self.graph.node[:]
        self.graph.node.extend(kept)
        self.refresh()

    def drop_unused_constants(self):
        used = {name for node in self.graph.node for name in node.input} | self.outputs
        kept = [node for node in self.graph.node
                if node.op_type != "Constant" or node.output[0] in used]
        del self.graph.node[:]
        self.graph.node.extend(kept)
        initializers = [i for i in self.graph.initializer if i.name in used]
        del self.graph.initializer[:]
        self.graph.initializer.extend(initializers)
        self.refresh()


def attribute(node, name, default):
    for entry in node.attribute:
        if entry.name == name:
            return helper.get_attribute_value(entry)
    return default


def shift_after(graph, mul):
    """(b, Add) when the scaling node's only reader adds the constant b, else (0, the node)."""
    add = graph.only_consumer(mul.output[0])
    if add is not None and add.op_type == "Add":
        _, value = graph.scalar_operand(add)
        if value is not None:
            return value, add
    return 0.0, mul


def fold_scale_shift_into_conv(graph):
    """Conv → Mul(s) [→ Add(b)] becomes one Conv with weights s·W and bias s·B + b."""
    for conv in list(graph.graph.node):
        if conv.op_type != "Conv":
            continue
        mul = graph.only_consumer(conv.output[0])
        if mul is None or mul.op_type != "Mul":
            continue
        _, scale = graph.scalar_operand(mul)
        if scale is None:
            continue
        weight, bias = graph.conv_weights(conv)
        if weight is None:
            continue
        shift, last = shift_after(graph, mul)
        graph.set_constant(conv, 1, weight * scale, "folded_w")
        graph.set_constant(conv, 2, bias * scale + shift, "folded_b")
        conv.output[0] = last.output[0]
        graph.remove([mul] + ([last] if last is not mul else []))
        return True
    return False


def fuse_hard_swish(graph):
    """x · clip(x + 3, 0, 6) / 6 becomes x · HardSigmoid(x) (alpha 1/6, beta 1/2)."""
    for div in list(graph.graph.node):
        if div.op_type != "Div" or graph.scalar(div.input[1]) != 6.0:
            continue
        mul = graph.producer.get(div.input[0])
        if mul is None or mul.op_type != "Mul" or graph.only_consumer(mul.output[0]) is not div:
            continue
        for x_index, clip_index in ((0, 1), (1, 0)):
            clip = graph.producer.get(mul.input[clip_index])
            if clip is None or clip.op_type != "Clip" or len(clip.input) != 1:
                continue
            if attribute(clip, "min", None) != 0.0 or attribute(clip, "max", None) != 6.0:
                continue
            add = graph.producer.get(clip.input[0])
            if add is None or add.op_type != "Add":
                continue
            x, three = graph.scalar_operand(add)
            if x != mul.input[x_index] or three != 3.0:
                continue
            if graph.only_consumer(clip.output[0]) is not mul or \
                    graph.only_consumer(add.output[0]) is not clip:
                continue
            gate = helper.make_node("HardSigmoid", [x], [div.output[0] + "_gate"],
                                    name=div.name + "_gate", alpha=1.0 / 6.0, beta=0.5)
            product = helper.make_node("Mul", [x, gate.output[0]], [div.output[0]],
                                       name=div.name + "_hard_swish")
            position = list(graph.graph.node).index(div)
            graph.graph.node.insert(position, product)
            graph.graph.node.insert(position, gate)
            graph.remove([add, clip, mul, div])
            return True
    return False


def fold_scale_shift_into_consumers(graph):
    """Mul(s) [→ Add(b)] read only by convolutions moves into them: weights s·W, and the shift
    becomes bias when the convolutions add no padding. With padding the shift must stay before
    them, as x + b/s, because the padding is zeros of the shifted values; it is written as a
    batch normalisation, which the runtime runs in its blocked channel layout, where an Add of
    a constant would make it convert the activations out of that layout and back."""
    for mul in list(graph.graph.node):
        if mul.op_type != "Mul":
            continue
        source, scale = graph.scalar_operand(mul)
        if scale is None or scale == 0.0:
            continue
        shift, last = shift_after(graph, mul)
        convs = graph.consumers.get(last.output[0], [])
        if not convs or last.output[0] in graph.outputs:
            continue
        if any(c.op_type != "Conv" or c.input[0] != last.output[0] or
               graph.conv_weights(c)[0] is None for c in convs):
            continue
        padded = any(any(attribute(c, "pads", [0])) or
                     attribute(c, "auto_pad", b"NOTSET") not in (b"NOTSET", b"VALID")
                     for c in convs)
        feed = source
        if shift != 0.0 and padded:
            weight = graph.conv_weights(convs[0])[0]
            channels = weight.shape[1] * attribute(convs[0], "group", 1)
            names = [f"{mul.name}_shift_{part}" for part in ("scale", "bias", "mean", "var")]
            for name, value in zip(names, (1.0, shift / scale, 0.0, 1.0)):
                graph.graph.initializer.append(numpy_helper.from_array(
                    numpy.full(channels, value, numpy.float32), name))
            shifted = helper.make_node("BatchNormalization", [source] + names,
                                       [last.output[0] + "_shifted"], name=mul.name + "_shift",
                                       epsilon=0.0)
            graph.graph.node.insert(list(graph.graph.node).index(mul), shifted)
            feed = shifted.output[0]
        for conv in convs:
            weight, bias = graph.conv_weights(conv)
            if shift != 0.0 and not padded:
                bias = bias + shift * weight.sum(axis=(1, 2, 3))
            graph.set_constant(conv, 1, weight * scale, "scaled_w")
            graph.set_constant(conv, 2, bias, "scaled_b")
            conv.input[0] = feed
        graph.remove([mul] + ([last] if last is not mul else []))
        return True
    return False


def simplify(model):
    graph = Graph(model)
    before = len(graph.graph.node)
    for rewrite in (fold_scale_shift_into_conv, fuse_hard_swish, fold_scale_shift_into_consumers):
        while rewrite(graph):
            pass
    graph.drop_unused_constants()
    print(f"Simplified {before} nodes to {len(graph.graph.node)}")


def is_wide(character):
    """Whether a dictionary entry belongs to a script of characters as wide as high (CJK ideographs
    and radicals, kana, Hangul, Bopomofo, CJK punctuation, full-width forms), as the program
    decides when it chooses the recogniser of narrow scripts."""
    code = ord(character[0])
    return any(low <= code <= high for low, high in (
        (0x1100, 0x11FF), (0x2E80, 0x2FDF), (0x3000, 0x33FF), (0x3400, 0x4DBF), (0x4E00, 0x9FFF),
        (0xA960, 0xA97F), (0xAC00, 0xD7FF), (0xF900, 0xFAFF), (0xFE30, 0xFE4F), (0xFF01, 0xFF60),
        (0x20000, 0x3FFFF)))


def narrow_scripts_recogniser(rec, dictionary):
    """A copy of the recogniser whose last layer answers only for the classes of narrow scripts
    (blank and space included), with their dictionary. Same results on such text, and the last
    layer, its softmax and the decoding shrink from thousands of classes to a few hundred."""
    entries = dictionary.split("\n")
    kept = [i for i, entry in enumerate(entries) if entry and not is_wide(entry)]
    columns = [0] + [i + 1 for i in kept] + [len(entries) + 1]
    model = onnx.ModelProto()
    model.CopyFrom(rec)
    graph = Graph(model)
    heads = [node for node in graph.graph.node
             if node.op_type == "MatMul" and node.input[1] in graph.constants
             and graph.constants[node.input[1]].shape[-1] == len(entries) + 2]
    if len(heads) != 1:
        sys.exit(f"expected one last layer of {len(entries) + 2} classes, found {len(heads)}")
    head = heads[0]
    add = graph.only_consumer(head.output[0])
    bias_index = 1 if add is not None and add.input[1] in graph.constants else 0
    if add is None or add.op_type != "Add" or add.input[bias_index] not in graph.constants:
        sys.exit("the last layer has no constant bias")
    weight = graph.constants[head.input[1]]
    bias = graph.constants[add.input[bias_index]]
    graph.set_constant(head, 1, weight[..., columns], "narrow_w")
    graph.set_constant(add, bias_index, bias[..., columns], "narrow_b")
    graph.drop_unused_constants()
    set_metadata(model, "character", "\n".join(entries[i] for i in kept))
    print(f"Narrow scripts: {len(kept)} of {len(entries)} classes")
    return model


def free_input_height(model):
    """Leaves the recogniser's input height free (it was exported for 48 rows). Its network pools
    the last three rows of its features into one, so it reads inputs of 33 to 48 rows alike; the
    program gives it fewer rows than 48, which costs less (recHeight in ocr/OcrEngineConfig.h)."""
    height = model.graph.input[0].type.tensor_type.shape.dim[2]
    height.ClearField("dim_value")
    height.dim_param = "height"


def set_metadata(model, key, value):
    for prop in model.metadata_props:
        if prop.key == key:
            prop.value = value
            return
    entry = model.metadata_props.add()
    entry.key = key
    entry.value = value


def write_model(model, path):
    onnx.checker.check_model(model)
    partial = path + ".part"
    onnx.save(model, partial)
    os.replace(partial, path)
    print(f"Wrote {path}")


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--source", required=True,
                        help="unpacked model package (holds assets/)")
    parser.add_argument("--out", required=True, help="models directory to write")
    parser.add_argument("--det", default="assets/ch_PP-OCRv4_det_infer.onnx")
    parser.add_argument("--rec", default="assets/ch_PP-OCRv4_rec_infer.onnx")
    parser.add_argument("--dict", default="assets/ppocr_keys_v1.txt")
    parser.add_argument("--det-output", default="sigmoid_0.tmp_0")
    parser.add_argument("--rec-output", default="softmax_11.tmp_0")
    parser.add_argument("--eight-bit", metavar="DIR",
                        help="also measure and write an 8-bit recogniser (with the detector) to "
                             "DIR, for comparing with dovrix-bench ocr --models DIR; needs "
                             "--runtime and python3-pil")
    parser.add_argument("--runtime", metavar="LIB",
                        help="the inference library (libonnxruntime.so.1) to measure with")
    args = parser.parse_args()
    if args.eight_bit and not args.runtime:
        parser.error("--eight-bit needs --runtime")

    os.makedirs(args.out, exist_ok=True)

    det = onnx.load(os.path.join(args.source, args.det))
    expose_output(det, args.det_output)
    simplify(det)
    write_model(det, os.path.join(args.out, "PP-OCRv6_det_small.onnx"))

    with open(os.path.join(args.source, args.dict), "rb") as handle:
        dictionary = handle.read().decode("utf-8")  # stored as is, line feeds included
    rec = onnx.load(os.path.join(args.source, args.rec))
    expose_output(rec, args.rec_output)
    simplify(rec)
    free_input_height(rec)
    set_metadata(rec, "character", dictionary)
    write_model(rec, os.path.join(args.out, "PP-OCRv6_rec_small.onnx"))
    write_model(narrow_scripts_recogniser(rec, dictionary),
                os.path.join(args.out, "PP-OCRv6_rec_small_latin.onnx"))

    if args.eight_bit:
        write_eight_bit(args, det, rec, dictionary)


def write_eight_bit(args, det, rec, dictionary):
    import json
    import time

    sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
    import ocr_calibration
    import ocr_runtime

    started = time.monotonic()
    runtime = ocr_runtime.Runtime(args.runtime)
    quantised, report = ocr_calibration.calibrate(
        runtime, rec, OUTPUT_NAME, dictionary.split("\n"), lambda text: print(text, flush=True))
    report["seconds"] = round(time.monotonic() - started, 1)
    set_metadata(quantised, "calibration", json.dumps(report, sort_keys=True))
    os.makedirs(args.eight_bit, exist_ok=True)
    write_model(det, os.path.join(args.eight_bit, "PP-OCRv6_det_small.onnx"))
    write_model(quantised, os.path.join(args.eight_bit, "PP-OCRv6_rec_small.onnx"))
    print(json.dumps(report, sort_keys=True))


if __name__ == "__main__":
    main()
