// The page as a screen reader sees it, from Chromium's own accessibility tree.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { openPage } from './harness.mjs';

// Role and name of every node that has both, in document order.
async function namedNodes(page) {
  const cdp = await page.context().newCDPSession(page);
  const { nodes } = await cdp.send('Accessibility.getFullAXTree');
  await cdp.detach();
  return nodes.filter((n) => !n.ignored && n.name?.value)
    .map((n) => `${n.role?.value}: ${n.name.value.trim()}`);
}

test('entries, results, count buttons and buttons carry Chinese names and roles', async () => {
  const s = await openPage();
  try {
    const nodes = await namedNodes(s.page);
    const expected = [
      'radiogroup: 请先选择单元平面的户数',
      ...[2, 3, 4, 5, 6, 7, 8].map((n) => `radio: ${n}户`),
      'textbox: 核心部分面积',
      ...[1, 2, 3, 4, 5, 6, 7, 8].map((k) => `textbox: 第${k}户使用面积`),
      ...[1, 2, 3, 4, 5, 6, 7, 8].map((k) => `textbox: 第${k}户建筑面积`),
      'button: 计算', 'button: 清除',
      'textbox: 总面积', 'textbox: 使用率（百分比）',
      'image: Quotara',
    ];
    for (const node of expected) assert.ok(nodes.includes(node), `${node}\nin\n${nodes.join('\n')}`);
    assert.deepEqual(s.problems, []);
  } finally {
    await s.close();
  }
});

test('the warning is an alert dialog named by its prompt, with one 确定 button', async () => {
  const s = await openPage();
  try {
    await s.page.click('#Command1');
    const nodes = await namedNodes(s.page);
    assert.ok(nodes.includes('alertdialog: 请输入数字！！'), nodes.join('\n'));
    assert.ok(nodes.includes('button: 确定'));
    assert.deepEqual(s.problems, []);
  } finally {
    await s.close();
  }
});
