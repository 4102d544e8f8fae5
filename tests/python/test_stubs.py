"""The type stubs (zedaruz/__init__.pyi) describe the module as it is: the same names, members and
parameters."""

import ast
import inspect
import os
import re

import zedaruz


def stubs():
    with open(os.path.join(os.path.dirname(zedaruz.__file__), "__init__.pyi")) as f:
        return ast.parse(f.read())


def parameters(node):
    a = node.args
    return [p.arg for p in a.posonlyargs + a.args + a.kwonlyargs if p.arg != "self"]


def bound_parameters(function):
    """The parameter names pybind11 writes into the first line of a function's docstring."""
    signature = function.__doc__.splitlines()[0]
    inside = signature[signature.index("(") + 1 : signature.rindex(")")]
    return [name for name in re.findall(r"(\w+):", inside) if name != "self"]


def test_the_stubs_name_every_function_class_and_member_with_its_parameters():
    tree = stubs()
    functions = {n.name: n for n in tree.body if isinstance(n, ast.FunctionDef)}
    classes = {n.name: n for n in tree.body if isinstance(n, ast.ClassDef)}
    assert set(functions) | set(classes) == set(zedaruz.__all__)
    for name, node in functions.items():
        assert parameters(node) == bound_parameters(getattr(zedaruz, name)), name
    for name, node in classes.items():
        cls = getattr(zedaruz, name)
        if issubclass(cls, Exception):
            continue
        members = {n.name: n for n in node.body if isinstance(n, ast.FunctionDef)}
        public = {m for m in vars(cls) if not m.startswith("_")}
        assert set(members) == public, name
        for member, stub in members.items():
            if inspect.isroutine(getattr(cls, member)):
                assert parameters(stub) == bound_parameters(getattr(cls, member)), f"{name}.{member}"
            assert getattr(cls, member).__doc__, f"{name}.{member} has no docstring"
