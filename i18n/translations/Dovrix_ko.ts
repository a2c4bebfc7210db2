<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="zh_CN">
<context>
    <name>QObject</name>
    <message>
        <source>文件不存在或无法访问。</source>
        <translation>파일이 없거나 접근할 수 없습니다.</translation>
    </message>
    <message>
        <source>文件可能已损坏或不是有效的 PDF。</source>
        <translation>파일이 손상되었거나 올바른 PDF가 아닙니다.</translation>
    </message>
    <message>
        <source>文档已加密。</source>
        <translation>문서가 암호화되어 있습니다.</translation>
    </message>
    <message>
        <source>暂不支持该 PDF 加密方式。</source>
        <translation>이 PDF 암호화 방식은 지원되지 않습니다.</translation>
    </message>
    <message>
        <source>打开文档时出现问题。</source>
        <translation>문서를 여는 중 문제가 발생했습니다.</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotatedPdfExporter</name>
    <message>
        <source>第 %1 页渲染失败，导出已中止。</source>
        <translation>%1페이지를 렌더링하지 못해 내보내기를 중단했습니다.</translation>
    </message>
    <message>
        <source>无法创建输出文件：%1</source>
        <translation>출력 파일을 만들 수 없습니다: %1</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationCard</name>
    <message>
        <source>⚓ 文本锚定，重排后可重定位</source>
        <translation>⚓ 텍스트에 고정, 재배치 후 위치 복원 가능</translation>
    </message>
    <message>
        <source>▦ 矩形兜底：重排后位置可能漂移</source>
        <translation>▦ 사각형 대체: 재배치 후 위치가 어긋날 수 있음</translation>
    </message>
    <message>
        <source>高亮</source>
        <translation>강조</translation>
    </message>
    <message>
        <source>下划线</source>
        <translation>밑줄</translation>
    </message>
    <message>
        <source>删除线</source>
        <translation>취소선</translation>
    </message>
    <message>
        <source>便签</source>
        <translation>메모</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>사각형</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>화살표</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>删除批注</source>
        <translation>주석 삭제</translation>
    </message>
    <message>
        <source>便签内容（可选，其他类型也可备注）</source>
        <translation>메모 내용(선택 사항, 모든 유형에 메모를 달 수 있음)</translation>
    </message>
    <message>
        <source>确认删除这条批注？</source>
        <translation>이 주석을 삭제하시겠습니까?</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationCommands</name>
    <message>
        <source>批注模式已开启：拖选文本或拖框创建批注，单击已有批注可编辑</source>
        <translation>주석 모드 켜짐: 텍스트를 드래그하거나 상자를 그려 주석을 만들고, 기존 주석을 클릭해 편집합니다</translation>
    </message>
    <message>
        <source>批注已保存</source>
        <translation>주석 저장됨</translation>
    </message>
    <message>
        <source>批注保存在本地 sidecar 文件（.dovrixmark）中，
用 Adobe 等其他阅读器打开源文件不可见。

Dovrix 始终不修改源 PDF。</source>
        <translation>주석은 로컬 보조 파일(.dovrixmark)에 저장되며,
Adobe 등 다른 뷰어에서 원본 파일을 열면 보이지 않습니다.

Dovrix는 원본 PDF를 절대 수정하지 않습니다.</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationPanel</name>
    <message>
        <source>批注仅保存在本地 .dovrixmark 文件，用 Adobe 等其他阅读器打开源文件不可见。</source>
        <translation>주석은 로컬 .dovrixmark 파일에만 저장되며, Adobe 등 다른 뷰어에서 원본 파일을 열면 보이지 않습니다.</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>%1페이지</translation>
    </message>
    <message>
        <source>%1 · 第 %2 页 · 颜色 %3%4</source>
        <translation>%1 · %2페이지 · 색상 %3%4</translation>
    </message>
    <message>
        <source>暂无批注。开启批注模式后拖选文本即可创建。</source>
        <translation>주석이 없습니다. 주석 모드를 켜고 텍스트를 드래그하면 만들 수 있습니다.</translation>
    </message>
    <message>
        <source>「%1」</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>我的批注</source>
        <translation>내 주석</translation>
    </message>
    <message>
        <source>文档中的批注（%1，只读）</source>
        <translation>문서 안의 주석(%1개, 읽기 전용)</translation>
    </message>
    <message>
        <source>复制到我的批注</source>
        <translation>내 메모로 복사</translation>
    </message>
    <message>
        <source>此类批注无法复制为我的批注。</source>
        <translation>이 종류의 주석은 내 메모로 복사할 수 없습니다.</translation>
    </message>
    <message>
        <source>此批注无法完整读取，已原样保留在批注文件中，不能编辑。</source>
        <translation>이 주석을 완전히 읽을 수 없습니다. 주석 파일에 그대로 보존되며 편집할 수 없습니다.</translation>
    </message>
    <message>
        <source>无法读取的批注</source>
        <translation>읽을 수 없는 주석</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationStore</name>
    <message>
        <source>文件过大</source>
        <translation>파일이 너무 큼</translation>
    </message>
    <message>
        <source>批注文件存在但无法读取：%1</source>
        <translation>주석 파일이 있지만 읽을 수 없습니다: %1</translation>
    </message>
    <message>
        <source>当前目录不可写。批注将暂存内存，关闭前请导出。</source>
        <translation>폴더에 쓸 수 없습니다. 주석은 메모리에 임시로 보관되니 닫기 전에 내보내세요.</translation>
    </message>
    <message>
        <source>导出路径与源文件相同。为守住「绝不写源文件」的边界，已中止。</source>
        <translation>내보낼 경로가 원본 파일과 같습니다. 원본 파일에는 절대 쓰지 않으므로 중단했습니다.</translation>
    </message>
    <message>
        <source>导出路径与批注文件相同，已中止。</source>
        <translation>내보낼 경로가 주석 파일과 같아 중단했습니다.</translation>
    </message>
    <message>
        <source>Dovrix 批注汇总（共 %1 条）

</source>
        <translation>Dovrix 주석 요약(총 %1개)

</translation>
    </message>
    <message>
        <source>—— 第 %1 页 ——
</source>
        <translation>—— %1페이지 ——
</translation>
    </message>
    <message>
        <source>文本锚定 </source>
        <translation>텍스트 고정 </translation>
    </message>
    <message>
        <source>(位置 p%1 x%2 y%3)</source>
        <translation>(위치 p%1 x%2 y%3)</translation>
    </message>
    <message>
        <source>注：批注仅保存在本地 sidecar 文件，用 Adobe 等其他阅读器打开源文件不可见。
</source>
        <translation>참고: 주석은 로컬 보조 파일에만 저장되며, Adobe 등 다른 뷰어에서 원본 파일을 열면 보이지 않습니다.
</translation>
    </message>
    <message>
        <source>批注文件与源文件是同一个文件，不会写入。批注将暂存内存，关闭前请导出。</source>
        <translation>주석 파일이 원본 파일 자체이므로 쓰지 않습니다. 주석은 메모리에 임시로 보관되니 닫기 전에 내보내세요.</translation>
    </message>
    <message>
        <source>批注文件的位置被一个文件夹占用。批注将暂存内存，关闭前请导出。</source>
        <translation>주석 파일 자리에 폴더가 있습니다. 주석은 메모리에 임시로 보관되니 닫기 전에 내보내세요.</translation>
    </message>
    <message>
        <source>无法备份读不懂的批注文件，为免覆盖已停止保存。批注将暂存内存，关闭前请导出。</source>
        <translation>읽을 수 없는 주석 파일을 백업할 수 없어 덮어쓰지 않도록 저장을 중단했습니다. 주석은 메모리에 임시로 보관되니 닫기 전에 내보내세요.</translation>
    </message>
    <message>
        <source>批注保存失败：%1。批注将暂存内存，关闭前请导出。</source>
        <translation>주석 저장 실패: %1. 주석은 메모리에 임시로 보관되니 닫기 전에 내보내세요.</translation>
    </message>
    <message>
        <source>「%1」</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>文件名含有无法识别的字符，无法在旁边保存批注文件。批注将暂存内存，关闭前请导出。</source>
        <translation>파일 이름에 인식할 수 없는 문자가 있어 옆에 주석 파일을 저장할 수 없습니다. 주석은 메모리에 임시로 보관되니 닫기 전에 내보내세요.</translation>
    </message>
    <message>
        <source>此批注文件由更新版本的 Dovrix 写入，已以只读方式打开：改动不会保存。</source>
        <translation>이 주석 파일은 더 새로운 버전의 Dovrix가 작성했습니다. 읽기 전용으로 열렸습니다: 변경 사항은 저장되지 않습니다.</translation>
    </message>
</context>
<context>
    <name>dovrix::BookmarkListPanel</name>
    <message>
        <source>重命名</source>
        <translation>이름 바꾸기</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>还没有书签。按 Ctrl+D 为当前位置添加书签。</source>
        <translation>아직 책갈피가 없습니다. Ctrl+D로 현재 위치에 책갈피를 추가하세요.</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>%1쪽</translation>
    </message>
</context>
<context>
    <name>dovrix::BookmarkPanel</name>
    <message>
        <source>此文档没有内嵌目录（章节/书签）。
阅读进度仍会按内容自动记忆。</source>
        <translation>이 문서에는 내장된 목차(장/책갈피)가 없습니다.
읽던 위치는 내용에 따라 자동으로 기억됩니다.</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentAnnotationModel</name>
    <message>
        <source>文字框</source>
        <translation>텍스트 상자</translation>
    </message>
    <message>
        <source>波浪线</source>
        <translation>물결선</translation>
    </message>
    <message>
        <source>直线</source>
        <translation>직선</translation>
    </message>
    <message>
        <source>椭圆</source>
        <translation>타원</translation>
    </message>
    <message>
        <source>手绘</source>
        <translation>손글씨</translation>
    </message>
    <message>
        <source>多边形</source>
        <translation>다각형</translation>
    </message>
    <message>
        <source>折线</source>
        <translation>꺾은선</translation>
    </message>
    <message>
        <source>图章</source>
        <translation>스탬프</translation>
    </message>
    <message>
        <source>插入符</source>
        <translation>삽입 기호</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>%1쪽</translation>
    </message>
    <message>
        <source>文件附件</source>
        <translation>파일 첨부</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentController</name>
    <message>
        <source>文件打开耗时过长。</source>
        <translation>파일을 여는 데 시간이 너무 오래 걸렸습니다.</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentPropertiesDialog</name>
    <message>
        <source>未知</source>
        <translation>알 수 없음</translation>
    </message>
    <message>
        <source>%1（%2 字节）</source>
        <translation>%1(%2바이트)</translation>
    </message>
    <message>
        <source>大小不一（%1 种）</source>
        <translation>혼합(%1가지 크기)</translation>
    </message>
    <message>
        <source>保存副本…</source>
        <translation>사본 저장…</translation>
    </message>
    <message>
        <source>文档属性 — %1</source>
        <translation>문서 속성 — %1</translation>
    </message>
    <message>
        <source>全部复制</source>
        <translation>모두 복사</translation>
    </message>
    <message>
        <source>概要</source>
        <translation>일반</translation>
    </message>
    <message>
        <source>所有页面</source>
        <translation>모든 페이지</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>%1쪽</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>글꼴</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>유형</translation>
    </message>
    <message>
        <source>嵌入</source>
        <translation>포함됨</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>크기</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>위치</translation>
    </message>
    <message>
        <source>说明</source>
        <translation>설명</translation>
    </message>
    <message>
        <source>附件只会另存为副本，Dovrix 不会打开或运行它们。</source>
        <translation>첨부 파일은 사본으로만 저장되며 Dovrix는 이를 열거나 실행하지 않습니다.</translation>
    </message>
    <message>
        <source>附件</source>
        <translation>첨부 파일</translation>
    </message>
    <message>
        <source>标题</source>
        <translation>제목</translation>
    </message>
    <message>
        <source>作者</source>
        <translation>작성자</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>주제</translation>
    </message>
    <message>
        <source>关键词</source>
        <translation>키워드</translation>
    </message>
    <message>
        <source>创建程序</source>
        <translation>작성 프로그램</translation>
    </message>
    <message>
        <source>PDF 生成器</source>
        <translation>PDF 생성기</translation>
    </message>
    <message>
        <source>创建时间</source>
        <translation>만든 날짜</translation>
    </message>
    <message>
        <source>修改时间</source>
        <translation>수정한 날짜</translation>
    </message>
    <message>
        <source>PDF 版本</source>
        <translation>PDF 버전</translation>
    </message>
    <message>
        <source>页数</source>
        <translation>페이지 수</translation>
    </message>
    <message>
        <source>页面大小</source>
        <translation>페이지 크기</translation>
    </message>
    <message>
        <source>文件大小</source>
        <translation>파일 크기</translation>
    </message>
    <message>
        <source>加密</source>
        <translation>암호화</translation>
    </message>
    <message>
        <source>无</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>인쇄</translation>
    </message>
    <message>
        <source>复制文本</source>
        <translation>텍스트 복사</translation>
    </message>
    <message>
        <source>修改</source>
        <translation>수정</translation>
    </message>
    <message>
        <source>批注</source>
        <translation>주석</translation>
    </message>
    <message>
        <source>填写表单</source>
        <translation>양식 작성</translation>
    </message>
    <message>
        <source>声明的权限</source>
        <translation>선언된 권한</translation>
    </message>
    <message>
        <source>允许：%1
不允许：%2</source>
        <translation>허용: %1
허용 안 함: %2</translation>
    </message>
    <message>
        <source>带标签</source>
        <translation>태그 지정</translation>
    </message>
    <message>
        <source>是</source>
        <translation>예</translation>
    </message>
    <message>
        <source>否</source>
        <translation>아니요</translation>
    </message>
    <message>
        <source>脚本</source>
        <translation>스크립트</translation>
    </message>
    <message>
        <source>文档含有 JavaScript，Dovrix 不会运行它。</source>
        <translation>문서에 JavaScript가 있지만 Dovrix는 실행하지 않습니다.</translation>
    </message>
    <message>
        <source>附件（%1）</source>
        <translation>첨부 파일(%1)</translation>
    </message>
    <message>
        <source>保存附件副本</source>
        <translation>첨부 파일 사본 저장</translation>
    </message>
    <message>
        <source>附件已损坏，无法读取。</source>
        <translation>첨부 파일이 손상되어 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>已保存副本：
%1</source>
        <translation>사본을 저장했습니다:
%1</translation>
    </message>
    <message>
        <source>附件未能保存：%1</source>
        <translation>첨부 파일을 저장하지 못했습니다: %1</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentSession</name>
    <message>
        <source>新文档</source>
        <translation>새 문서</translation>
    </message>
</context>
<context>
    <name>dovrix::ExportCommands</name>
    <message>
        <source>打印</source>
        <translation>인쇄</translation>
    </message>
    <message>
        <source>导出完成</source>
        <translation>내보내기 완료</translation>
    </message>
    <message>
        <source>已导出到：
%1

源文件未被修改。</source>
        <translation>내보낸 위치:
%1

원본 파일은 수정되지 않았습니다.</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>导出当前页为 PNG</source>
        <translation>현재 페이지를 PNG로 내보내기</translation>
    </message>
    <message>
        <source>PNG 图片 (*.png)</source>
        <translation>PNG 이미지 (*.png)</translation>
    </message>
    <message>
        <source>导出失败</source>
        <translation>내보내기 실패</translation>
    </message>
    <message>
        <source>页面渲染失败，请重试。</source>
        <translation>페이지를 렌더링하지 못했습니다. 다시 시도하세요.</translation>
    </message>
    <message>
        <source>导出全文文本（阅读顺序）</source>
        <translation>전체 텍스트 내보내기(읽기 순서)</translation>
    </message>
    <message>
        <source>文本文件 (*.txt)</source>
        <translation>텍스트 파일 (*.txt)</translation>
    </message>
    <message>
        <source>批注汇总</source>
        <translation>주석 요약</translation>
    </message>
    <message>
        <source>当前文档暂无批注。</source>
        <translation>이 문서에는 주석이 없습니다.</translation>
    </message>
    <message>
        <source>导出批注汇总</source>
        <translation>주석 요약 내보내기</translation>
    </message>
    <message>
        <source>导出含批注的 PDF</source>
        <translation>주석이 포함된 PDF 내보내기</translation>
    </message>
    <message>
        <source>PDF 文档 (*.pdf)</source>
        <translation>PDF 문서 (*.pdf)</translation>
    </message>
    <message>
        <source>正在导出含批注的 PDF…</source>
        <translation>주석이 포함된 PDF를 내보내는 중…</translation>
    </message>
    <message>
        <source>已导出到：
%1

源文件未被修改。批注已嵌入副本，用 Adobe/WPS/浏览器打开即可看到。
（副本为逐页渲染的平面化 PDF：外观一致，但文字不可再选中）</source>
        <translation>내보낸 위치:
%1

원본 파일은 수정되지 않았습니다. 주석이 사본에 포함되어 Adobe/WPS/브라우저에서 볼 수 있습니다.
(사본은 페이지별로 렌더링한 평면화 PDF입니다. 모양은 같지만 텍스트는 더 이상 선택할 수 없습니다)</translation>
    </message>
    <message>
        <source>正在打印…</source>
        <translation>인쇄 중…</translation>
    </message>
    <message>
        <source>已发送 %1 页到打印机。</source>
        <translation>%1페이지를 프린터로 보냈습니다.</translation>
    </message>
    <message>
        <source>页面渲染失败，打印已中止。</source>
        <translation>페이지를 렌더링하지 못해 인쇄를 중단했습니다.</translation>
    </message>
    <message>
        <source>无法启动打印任务。</source>
        <translation>인쇄 작업을 시작할 수 없습니다.</translation>
    </message>
    <message>
        <source>正在按阅读顺序导出文本…
第 %1 / %2 页</source>
        <translation>읽기 순서대로 텍스트를 내보내는 중…
%1 / %2페이지</translation>
    </message>
    <message>
        <source>导出平面化副本（图片）</source>
        <translation>평면화된 사본(이미지) 내보내기</translation>
    </message>
    <message>
        <source>打印到 PDF 文件</source>
        <translation>PDF 파일로 인쇄</translation>
    </message>
    <message>
        <source>批注与缩放</source>
        <translation>주석 및 크기 조정</translation>
    </message>
    <message>
        <source>连同我的批注</source>
        <translation>주석 포함</translation>
    </message>
    <message>
        <source>适合纸张</source>
        <translation>용지에 맞춤</translation>
    </message>
    <message>
        <source>实际大小</source>
        <translation>실제 크기</translation>
    </message>
    <message>
        <source>已导出到：
%1

源文件未被修改。批注已作为标准 PDF 批注写入副本，其他阅读器也能看到；文字、链接和目录都保留。</source>
        <translation>내보낸 위치:
%1

원본 파일은 변경되지 않았습니다. 주석은 표준 PDF 주석으로 사본에 들어가 다른 뷰어에서도 보입니다. 텍스트, 링크, 목차는 유지됩니다.</translation>
    </message>
    <message>
        <source>打印服务没有接受这个任务：%1
没有丢失任何内容；可以再试一次，或打印到文件。</source>
        <translation>인쇄 서비스가 작업을 받지 않았습니다: %1
잃어버린 것은 없습니다. 다시 시도하거나 파일로 인쇄하십시오.</translation>
    </message>
    <message>
        <source>无法读取源文件：%1</source>
        <translation>원본 파일을 읽을 수 없습니다: %1</translation>
    </message>
    <message>
        <source>无法写入 %1：
%2

没有留下不完整的文件，源文件未被修改。</source>
        <translation>%1에 쓸 수 없습니다:
%2

불완전한 파일은 남지 않았고 원본 파일은 변경되지 않았습니다.</translation>
    </message>
    <message>
        <source>没有找到打印服务（CUPS）。
要把文档打印成 PDF 文件吗？</source>
        <translation>인쇄 서비스(CUPS)를 찾을 수 없습니다.
대신 문서를 PDF 파일로 인쇄할까요?</translation>
    </message>
</context>
<context>
    <name>dovrix::FormLayer</name>
    <message>
        <source>签名字段（仅显示）</source>
        <translation>서명 필드(표시만)</translation>
    </message>
    <message>
        <source>此表单的脚本不会运行：需由文档计算或格式化的字段保留您输入的内容。</source>
        <translation>이 양식의 스크립트는 실행되지 않습니다. 문서가 계산하거나 서식을 지정할 필드는 입력한 내용을 유지합니다.</translation>
    </message>
    <message>
        <source>签名字段仅供查看，Dovrix 不签名文档。</source>
        <translation>서명 필드는 표시만 됩니다. Dovrix는 문서에 서명하지 않습니다.</translation>
    </message>
</context>
<context>
    <name>dovrix::MainWindow</name>
    <message>
        <source>侧边栏</source>
        <translation>사이드바</translation>
    </message>
    <message>
        <source>后退（视图历史）</source>
        <translation>뒤로(보기 기록)</translation>
    </message>
    <message>
        <source>前进（视图历史）</source>
        <translation>앞으로(보기 기록)</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>열기</translation>
    </message>
    <message>
        <source>打开 PDF（每个文档一个标签页）</source>
        <translation>PDF 열기(문서마다 탭 하나)</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>인쇄</translation>
    </message>
    <message>
        <source>打印（Ctrl+P）</source>
        <translation>인쇄(Ctrl+P)</translation>
    </message>
    <message>
        <source>导出</source>
        <translation>내보내기</translation>
    </message>
    <message>
        <source>导出为新文件（不修改源文件）</source>
        <translation>새 파일로 내보내기(원본 파일은 수정하지 않음)</translation>
    </message>
    <message>
        <source>当前页为图片（PNG 300 DPI）…</source>
        <translation>현재 페이지를 이미지로(PNG 300 DPI)…</translation>
    </message>
    <message>
        <source>全文文本（TXT，按阅读顺序）…</source>
        <translation>전체 텍스트(TXT, 읽기 순서)…</translation>
    </message>
    <message>
        <source>批注汇总（TXT）…</source>
        <translation>주석 요약(TXT)…</translation>
    </message>
    <message>
        <source>含批注的 PDF（副本）…</source>
        <translation>주석이 포함된 PDF(사본)…</translation>
    </message>
    <message>
        <source>把当前批注嵌入一个新 PDF，Adobe/WPS 可见；源文件保持不变</source>
        <translation>현재 주석을 새 PDF에 포함합니다. Adobe/WPS에서 볼 수 있으며 원본 파일은 그대로입니다</translation>
    </message>
    <message>
        <source>批注</source>
        <translation>주석</translation>
    </message>
    <message>
        <source>批注模式（A）：高亮 / 下划线 / 删除线 / 便签 / 矩形 / 箭头</source>
        <translation>주석 모드(A): 강조 / 밑줄 / 취소선 / 메모 / 사각형 / 화살표</translation>
    </message>
    <message>
        <source>旋转90°</source>
        <translation>90° 회전</translation>
    </message>
    <message>
        <source>临时旋转 90°（仅本次查看）</source>
        <translation>임시로 90° 회전(이번 보기에만)</translation>
    </message>
    <message>
        <source>搜索文档 · Ctrl+F</source>
        <translation>문서 검색 · Ctrl+F</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>테마</translation>
    </message>
    <message>
        <source>浅色</source>
        <translation>밝게</translation>
    </message>
    <message>
        <source>纸感</source>
        <translation>종이</translation>
    </message>
    <message>
        <source>深色</source>
        <translation>어둡게</translation>
    </message>
    <message>
        <source>午夜</source>
        <translation>자정</translation>
    </message>
    <message>
        <source>高对比</source>
        <translation>고대비</translation>
    </message>
    <message>
        <source>切换界面语言</source>
        <translation>인터페이스 언어 변경</translation>
    </message>
    <message>
        <source>主页</source>
        <translation>홈페이지</translation>
    </message>
    <message>
        <source>打开 Dovrix 主页</source>
        <translation>Dovrix 홈페이지 열기</translation>
    </message>
    <message>
        <source>打开 PDF 开始阅读。Dovrix 是只读查看器，不会修改源文件。
支持同时打开多个文档（标签页）。</source>
        <translation>PDF를 열어 읽기를 시작하세요. Dovrix는 읽기 전용 뷰어이며 원본 파일을 수정하지 않습니다.
여러 문서를 탭으로 동시에 열 수 있습니다.</translation>
    </message>
    <message>
        <source>打开 PDF…</source>
        <translation>PDF 열기…</translation>
    </message>
    <message>
        <source>最近文件</source>
        <translation>최근 파일</translation>
    </message>
    <message>
        <source>清空最近记录</source>
        <translation>최근 기록 지우기</translation>
    </message>
    <message>
        <source>源文件已被外部修改。重新载入将显示最新内容。</source>
        <translation>원본 파일이 외부에서 수정되었습니다. 다시 불러오면 최신 내용이 표시됩니다.</translation>
    </message>
    <message>
        <source>重新载入</source>
        <translation>다시 불러오기</translation>
    </message>
    <message>
        <source>忽略</source>
        <translation>무시</translation>
    </message>
    <message>
        <source>Dovrix 一个快如闪电的阅读器</source>
        <translation>Dovrix, 번개처럼 빠른 뷰어</translation>
    </message>
    <message>
        <source>缩小</source>
        <translation>축소</translation>
    </message>
    <message>
        <source>放大</source>
        <translation>확대</translation>
    </message>
    <message>
        <source>适应宽度</source>
        <translation>너비에 맞춤</translation>
    </message>
    <message>
        <source>切换单页 / 连续滚动</source>
        <translation>한 페이지 / 연속 스크롤 전환</translation>
    </message>
    <message>
        <source>&amp;打开…</source>
        <translation>열기(&amp;O)…</translation>
    </message>
    <message>
        <source>关闭文档</source>
        <translation>문서 닫기</translation>
    </message>
    <message>
        <source>下一个标签页</source>
        <translation>다음 탭</translation>
    </message>
    <message>
        <source>&amp;打印…</source>
        <translation>인쇄(&amp;P)…</translation>
    </message>
    <message>
        <source>私密模式</source>
        <translation>개인 정보 보호 모드</translation>
    </message>
    <message>
        <source>下一个搜索结果</source>
        <translation>다음 검색 결과</translation>
    </message>
    <message>
        <source>上一个搜索结果</source>
        <translation>이전 검색 결과</translation>
    </message>
    <message>
        <source>复制所选文本</source>
        <translation>선택한 텍스트 복사</translation>
    </message>
    <message>
        <source>单页模式</source>
        <translation>한 페이지 모드</translation>
    </message>
    <message>
        <source>临时旋转 90°</source>
        <translation>임시로 90° 회전</translation>
    </message>
    <message>
        <source>适应页面</source>
        <translation>페이지에 맞춤</translation>
    </message>
    <message>
        <source>实际大小（100%）</source>
        <translation>실제 크기(100%)</translation>
    </message>
    <message>
        <source>批注模式</source>
        <translation>주석 모드</translation>
    </message>
    <message>
        <source>打开 PDF</source>
        <translation>PDF 열기</translation>
    </message>
    <message>
        <source>PDF 文档 (*.pdf);;所有文件 (*)</source>
        <translation>PDF 문서 (*.pdf);;모든 파일 (*)</translation>
    </message>
    <message>
        <source>打开失败</source>
        <translation>열 수 없음</translation>
    </message>
    <message>
        <source>文件不存在或无法访问。</source>
        <translation>파일이 없거나 접근할 수 없습니다.</translation>
    </message>
    <message>
        <source>● 批注与当前文档内容不一致，矩形锚定可能漂移</source>
        <translation>● 주석이 현재 문서 내용과 일치하지 않아 사각형 위치가 어긋날 수 있습니다</translation>
    </message>
    <message>
        <source>缩略图</source>
        <translation>미리보기</translation>
    </message>
    <message>
        <source>目录</source>
        <translation>목차</translation>
    </message>
    <message>
        <source>搜索</source>
        <translation>검색</translation>
    </message>
    <message>
        <source>文档</source>
        <translation>문서</translation>
    </message>
    <message>
        <source>正在打开文档…</source>
        <translation>문서를 여는 중…</translation>
    </message>
    <message>
        <source>口令不正确，请重试</source>
        <translation>암호가 올바르지 않습니다. 다시 시도하세요</translation>
    </message>
    <message>
        <source>该文档已加密</source>
        <translation>이 문서는 암호화되어 있습니다</translation>
    </message>
    <message>
        <source>请输入打开口令（Dovrix 不支持破解或移除权限）：</source>
        <translation>열기 암호를 입력하세요(Dovrix는 암호 해제나 권한 제거를 지원하지 않습니다):</translation>
    </message>
    <message>
        <source>● 源文件已被外部修改</source>
        <translation>● 원본 파일이 외부에서 수정됨</translation>
    </message>
    <message>
        <source>● 只读：源文件哈希未变</source>
        <translation>● 읽기 전용: 원본 파일 해시 변경 없음</translation>
    </message>
    <message>
        <source>SHA-256：%1
Dovrix 不会修改源文件。</source>
        <translation>SHA-256: %1
Dovrix는 원본 파일을 수정하지 않습니다.</translation>
    </message>
    <message>
        <source>● 私密模式：开</source>
        <translation>● 개인 정보 보호 모드: 켜짐</translation>
    </message>
    <message>
        <source>私密模式：关</source>
        <translation>개인 정보 보호 모드: 꺼짐</translation>
    </message>
    <message>
        <source>私密模式：不写入最近文件与缩略图缓存</source>
        <translation>개인 정보 보호 모드: 최근 파일과 미리보기 캐시를 기록하지 않음</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>—— 第 %1 页 ——</source>
        <translation>—— %1페이지 ——</translation>
    </message>
    <message>
        <source>（本页为扫描图像，无文本层）</source>
        <translation>(이 페이지는 텍스트 레이어가 없는 스캔 이미지입니다)</translation>
    </message>
    <message>
        <source>（本页部分文本可能不可靠）</source>
        <translation>(이 페이지의 일부 텍스트는 정확하지 않을 수 있습니다)</translation>
    </message>
    <message>
        <source>高亮（H）</source>
        <translation>강조(H)</translation>
    </message>
    <message>
        <source>下划线（U）</source>
        <translation>밑줄(U)</translation>
    </message>
    <message>
        <source>删除线（S）</source>
        <translation>취소선(S)</translation>
    </message>
    <message>
        <source>便签（N）</source>
        <translation>메모(N)</translation>
    </message>
    <message>
        <source>矩形（B）</source>
        <translation>사각형(B)</translation>
    </message>
    <message>
        <source>箭头（L）</source>
        <translation>화살표(L)</translation>
    </message>
    <message>
        <source>转到页面…</source>
        <translation>페이지로 이동…</translation>
    </message>
    <message>
        <source>输入页码或页标签后按回车跳转（Ctrl+G）</source>
        <translation>페이지 번호나 페이지 레이블을 입력하고 Enter 키를 누르세요(Ctrl+G)</translation>
    </message>
    <message>
        <source>正在离线 OCR…</source>
        <translation>오프라인 OCR 실행 중…</translation>
    </message>
    <message>
        <source>正在离线 OCR：已完成 %1/%2 页，预计还需约 %3 秒…</source>
        <translation>오프라인 OCR 실행 중: %1/%2페이지 완료, 약 %3초 남음…</translation>
    </message>
    <message>
        <source>（以下为 OCR 识别文本）</source>
        <translation>(다음은 OCR로 인식한 텍스트)</translation>
    </message>
    <message>
        <source>全屏阅读 · F11 或 Esc 退出</source>
        <translation>전체 화면 · F11 또는 Esc로 나가기</translation>
    </message>
    <message>
        <source>切换页面颜色</source>
        <translation>페이지 색상 전환</translation>
    </message>
    <message>
        <source>全屏</source>
        <translation>전체 화면</translation>
    </message>
    <message>
        <source>双页显示</source>
        <translation>두 페이지 보기</translation>
    </message>
    <message>
        <source>首页单独显示</source>
        <translation>첫 페이지 단독 표시</translation>
    </message>
    <message>
        <source>双页</source>
        <translation>두 페이지</translation>
    </message>
    <message>
        <source>双页并排（D）</source>
        <translation>두 페이지 나란히 보기(D)</translation>
    </message>
    <message>
        <source>页面颜色</source>
        <translation>페이지 색상</translation>
    </message>
    <message>
        <source>页面颜色（Ctrl+Alt+N）：夜间模式反转明暗、保留色相</source>
        <translation>페이지 색상(Ctrl+Alt+N): 야간은 명암을 반전하고 색조를 유지합니다</translation>
    </message>
    <message>
        <source>正常</source>
        <translation>기본</translation>
    </message>
    <message>
        <source>夜间</source>
        <translation>야간</translation>
    </message>
    <message>
        <source>棕褐</source>
        <translation>세피아</translation>
    </message>
    <message>
        <source>跟随主题</source>
        <translation>테마 따르기</translation>
    </message>
    <message>
        <source>文件名含有无法识别的字符，程序无法读取该文件。请将文件重命名后再打开。</source>
        <translation>파일 이름에 인식할 수 없는 문자가 있어 프로그램이 파일을 읽을 수 없습니다. 파일 이름을 바꾼 뒤 다시 여세요.</translation>
    </message>
    <message>
        <source>平面化副本（图片）…</source>
        <translation>평면화된 사본(이미지)…</translation>
    </message>
    <message>
        <source>PNG 含我的批注</source>
        <translation>내 주석을 포함한 PNG</translation>
    </message>
    <message>
        <source>文档属性…</source>
        <translation>문서 속성…</translation>
    </message>
    <message>
        <source>重置表单</source>
        <translation>양식 초기화</translation>
    </message>
    <message>
        <source>书签</source>
        <translation>책갈피</translation>
    </message>
    <message>
        <source>没有可以打开网页的浏览器。Dovrix 主页：%1</source>
        <translation>페이지를 열 수 있는 웹 브라우저가 없습니다. Dovrix 홈페이지: %1</translation>
    </message>
    <message>
        <source>识别文字（OCR）</source>
        <translation>텍스트 인식(OCR)</translation>
    </message>
    <message>
        <source>本页</source>
        <translation>이 페이지</translation>
    </message>
    <message>
        <source>所有没有文字的页</source>
        <translation>텍스트가 없는 모든 페이지</translation>
    </message>
    <message>
        <source>打开文档后，此处显示
%1</source>
        <translation>문서를 열면 여기에 표시됩니다
%1</translation>
    </message>
</context>
<context>
    <name>dovrix::NavigationCommands</name>
    <message>
        <source>缩放 %1%</source>
        <translation>확대/축소 %1%</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrCommands</name>
    <message>
        <source>OCR 已取消</source>
        <translation>OCR 취소됨</translation>
    </message>
    <message>
        <source>OCR 完成：%1 页</source>
        <translation>OCR 완료: %1페이지</translation>
    </message>
    <message>
        <source>第 %1 页 OCR 失败：%2</source>
        <translation>%1페이지 OCR 실패: %2</translation>
    </message>
    <message>
        <source>OCR 不可用</source>
        <translation>OCR을 사용할 수 없음</translation>
    </message>
    <message>
        <source>正在查找没有文字的页…</source>
        <translation>텍스트가 없는 페이지를 찾는 중…</translation>
    </message>
    <message>
        <source>每一页都有文字，无需识别</source>
        <translation>모든 페이지에 텍스트가 있어 인식할 것이 없습니다</translation>
    </message>
    <message>
        <source>本页没有文字层 · %1 识别文字</source>
        <translation>이 페이지에는 텍스트 층이 없습니다 · %1로 텍스트 인식</translation>
    </message>
    <message>
        <source>第 %1 页 OCR 完成：识别 %2 行文本</source>
        <translation>%1페이지 OCR 완료: 텍스트 %2줄 인식</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrController</name>
    <message>
        <source>页面渲染失败</source>
        <translation>페이지 렌더링 실패</translation>
    </message>
    <message>
        <source>OCR 引擎初始化失败</source>
        <translation>OCR 엔진 초기화 실패</translation>
    </message>
    <message>
        <source>OCR 引擎不可用</source>
        <translation>OCR 엔진을 사용할 수 없음</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrEngine</name>
    <message>
        <source>OCR 初始化失败：%1</source>
        <translation>OCR 초기화 실패: %1</translation>
    </message>
    <message>
        <source>未找到检测模型：%1（%2）</source>
        <translation>검출 모델을 찾을 수 없습니다: %1(%2)</translation>
    </message>
    <message>
        <source>未找到识别模型：%1（%2）</source>
        <translation>인식 모델을 찾을 수 없습니다: %1(%2)</translation>
    </message>
    <message>
        <source>识别模型缺少内嵌词典（character 元数据）。</source>
        <translation>인식 모델에 내장 사전(character 메타데이터)이 없습니다.</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrRuntime</name>
    <message>
        <source>onnxruntime.dll 缺少 OrtGetApiBase 导出。</source>
        <translation>onnxruntime.dll에 OrtGetApiBase 내보내기가 없습니다.</translation>
    </message>
    <message>
        <source>onnxruntime API 版本不匹配（需要 OrtApi v%1）。</source>
        <translation>onnxruntime API 버전이 맞지 않습니다(OrtApi v%1 필요).</translation>
    </message>
    <message>
        <source>无法加载 onnxruntime.dll，OCR 不可用。已尝试：%1</source>
        <translation>onnxruntime.dll을 불러올 수 없어 OCR을 사용할 수 없습니다. 시도한 위치:%1</translation>
    </message>
</context>
<context>
    <name>dovrix::PdfViewport</name>
    <message>
        <source>临时旋转 %1°（仅本次查看）</source>
        <translation>임시로 %1° 회전(이번 보기에만)</translation>
    </message>
</context>
<context>
    <name>dovrix::QtSpeechEngine</name>
    <message>
        <source>没有安装语音合成引擎（例如 Qt 语音的 flite 插件）。</source>
        <translation>음성 합성 엔진이 설치되어 있지 않습니다(예: Qt Speech의 flite 플러그인).</translation>
    </message>
    <message>
        <source>语音合成引擎无法使用：%1</source>
        <translation>음성 합성 엔진을 사용할 수 없습니다: %1</translation>
    </message>
</context>
<context>
    <name>dovrix::SearchPanel</name>
    <message>
        <source>未找到结果。若该文档是扫描图像（无文本层），可在 OCR 后搜索与复制。</source>
        <translation>결과가 없습니다. 이 문서가 스캔 이미지(텍스트 레이어 없음)라면 OCR 후 검색하고 복사할 수 있습니다.</translation>
    </message>
    <message>
        <source>OCR 此文档…</source>
        <translation>이 문서 OCR…</translation>
    </message>
    <message>
        <source>输入关键字开始搜索（Ctrl+F）</source>
        <translation>검색할 키워드를 입력하세요(Ctrl+F)</translation>
    </message>
    <message>
        <source>“%1”无命中</source>
        <translation>“%1”에 일치하는 결과 없음</translation>
    </message>
    <message>
        <source>正在搜索“%1”…</source>
        <translation>“%1” 검색 중…</translation>
    </message>
    <message>
        <source>“%1”无命中。</source>
        <translation>“%1”에 일치하는 결과가 없습니다.</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>%1페이지</translation>
    </message>
    <message>
        <source>(OCR 文本)</source>
        <translation>(OCR 텍스트)</translation>
    </message>
    <message>
        <source>(文本尚未加载)</source>
        <translation>(텍스트를 아직 불러오지 않음)</translation>
    </message>
    <message>
        <source>第 %1 页%2</source>
        <translation>%1페이지%2</translation>
    </message>
    <message numerus="yes">
        <source>“%1”：共 %n 处命中</source>
        <translation>
            <numerusform>“%1”: %n건 일치</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>正在搜索“%1”… 已搜索 %2 / %3 页，当前命中 %n 处</source>
        <translation>
            <numerusform>“%1” 검색 중… %3페이지 중 %2페이지 검색, 현재 %n건 일치</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dovrix::SingleInstance</name>
    <message>
        <source>已运行的 Dovrix 窗口一次最多接收 %1 个文件，未打开任何文件。</source>
        <translation>실행 중인 Dovrix 창은 한 번에 최대 %1개의 파일만 받습니다. 파일을 열지 않았습니다.</translation>
    </message>
</context>
<context>
    <name>dovrix::StartUp</name>
    <message>
        <source>Dovrix —— 纯只读 PDF 查看器：离线、零遥测、不修改源文件。</source>
        <translation>Dovrix — 읽기 전용 PDF 뷰어: 오프라인, 원격 측정 없음, 원본 파일을 절대 수정하지 않음.</translation>
    </message>
    <message>
        <source>要打开的 PDF 文件。</source>
        <translation>열 PDF 파일.</translation>
    </message>
    <message>
        <source>文档打开后自动对指定页执行 OCR（调试/CI）。</source>
        <translation>문서가 열리면 이 페이지의 텍스트를 인식합니다(디버그 및 자동 실행용).</translation>
    </message>
    <message>
        <source>打开到指定页：从 1 开始的页码，或文档自己的页标签（如 iv）。</source>
        <translation>이 페이지에서 열기: 1부터 세는 쪽 번호 또는 문서 자체의 쪽 레이블(예: iv).</translation>
    </message>
    <message>
        <source>打开后搜索此文本，并转到第一处命中。</source>
        <translation>열린 뒤 이 텍스트를 검색하고 첫 번째 결과로 이동합니다.</translation>
    </message>
    <message>
        <source>SyncTeX 正向搜索：滚动到 TeX 源文件该行排版的位置并闪烁标出。</source>
        <translation>SyncTeX 정방향 검색: TeX 소스의 이 줄이 조판된 위치로 스크롤하고 잠시 표시합니다.</translation>
    </message>
    <message>
        <source>用于打开 PDF 的引擎：mupdf（默认）或 qtpdf（用于比较与问题报告）。</source>
        <translation>PDF 파일을 여는 엔진: mupdf(기본값) 또는 qtpdf(비교 및 버그 보고용).</translation>
    </message>
</context>
<context>
    <name>dovrix::StudyTools</name>
    <message>
        <source>慢</source>
        <translation>느리게</translation>
    </message>
    <message>
        <source>正常</source>
        <translation>보통</translation>
    </message>
    <message>
        <source>快</source>
        <translation>빠르게</translation>
    </message>
    <message>
        <source>朗读完毕</source>
        <translation>소리 내어 읽기를 마쳤습니다</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>도구</translation>
    </message>
    <message>
        <source>书签、朗读与 SyncTeX</source>
        <translation>책갈피, 소리 내어 읽기, SyncTeX</translation>
    </message>
    <message>
        <source>书签</source>
        <translation>책갈피</translation>
    </message>
    <message>
        <source>添加书签</source>
        <translation>책갈피 추가</translation>
    </message>
    <message>
        <source>重命名书签</source>
        <translation>책갈피 이름 바꾸기</translation>
    </message>
    <message>
        <source>删除书签</source>
        <translation>책갈피 삭제</translation>
    </message>
    <message>
        <source>朗读</source>
        <translation>소리 내어 읽기</translation>
    </message>
    <message>
        <source>从当前页朗读</source>
        <translation>이 페이지부터 읽기</translation>
    </message>
    <message>
        <source>停止朗读</source>
        <translation>읽기 중지</translation>
    </message>
    <message>
        <source>语速</source>
        <translation>속도</translation>
    </message>
    <message>
        <source>声音</source>
        <translation>음성</translation>
    </message>
    <message>
        <source>反向搜索编辑器命令…</source>
        <translation>역방향 검색 편집기 명령…</translation>
    </message>
    <message>
        <source>未设置反向搜索的编辑器命令（工具 → 反向搜索编辑器命令…）</source>
        <translation>역방향 검색 편집기 명령이 설정되지 않았습니다(도구 → 역방향 검색 편집기 명령…)</translation>
    </message>
    <message>
        <source>SyncTeX 数据中没有 %1 第 %2 行的位置</source>
        <translation>SyncTeX 데이터에 %1의 %2번째 줄 위치가 없습니다</translation>
    </message>
    <message>
        <source>此文档旁没有 SyncTeX 文件（.synctex.gz 或 .synctex）</source>
        <translation>이 문서 옆에 SyncTeX 파일(.synctex.gz 또는 .synctex)이 없습니다</translation>
    </message>
    <message>
        <source>SyncTeX 文件已损坏，无法读取</source>
        <translation>SyncTeX 파일이 손상되어 읽을 수 없습니다</translation>
    </message>
    <message>
        <source>SyncTeX 文件与此 PDF 不是同一次编译生成的，请重新编译</source>
        <translation>SyncTeX 파일이 이 PDF의 다른 빌드에서 생성되었습니다. 다시 컴파일하세요</translation>
    </message>
    <message>
        <source>此处没有对应的源文件位置</source>
        <translation>이 위치에 해당하는 소스 위치가 없습니다</translation>
    </message>
    <message>
        <source>无法启动编辑器：%1</source>
        <translation>편집기를 시작할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>已在编辑器中打开 %1 第 %2 行</source>
        <translation>편집기에서 %1의 %2번째 줄을 열었습니다</translation>
    </message>
    <message>
        <source>反向搜索编辑器命令</source>
        <translation>역방향 검색 편집기 명령</translation>
    </message>
    <message>
        <source>Ctrl+单击页面时运行的命令（%f 文件，%l 行，%c 列），例如：editor +%l %f</source>
        <translation>페이지를 Ctrl+클릭할 때 실행할 명령(%f 파일, %l 줄, %c 열), 예: editor +%l %f</translation>
    </message>
    <message>
        <source>默认</source>
        <translation>기본값</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>%1쪽</translation>
    </message>
    <message>
        <source>已添加书签“%1”</source>
        <translation>책갈피 “%1”을(를) 추가했습니다</translation>
    </message>
    <message>
        <source>书签名称：</source>
        <translation>책갈피 이름:</translation>
    </message>
    <message>
        <source>继续朗读</source>
        <translation>읽기 계속</translation>
    </message>
    <message>
        <source>暂停朗读</source>
        <translation>읽기 일시 중지</translation>
    </message>
    <message>
        <source>SyncTeX 文件解压后超过 %1 MB，已拒绝读取</source>
        <translation>SyncTeX 파일의 압축을 풀면 %1 MB를 넘어 읽지 않고 거부했습니다</translation>
    </message>
    <message>
        <source>SyncTeX 文件使读取程序崩溃或耗尽内存，已拒绝该文件</source>
        <translation>SyncTeX 파일이 읽기 프로그램을 충돌시키거나 메모리를 소진시켜 거부했습니다</translation>
    </message>
    <message>
        <source>读取 SyncTeX 文件超时，已拒绝该文件</source>
        <translation>SyncTeX 파일을 읽는 데 너무 오래 걸려 거부했습니다</translation>
    </message>
    <message>
        <source>SyncTeX 文件中的源文件名含有换行或空字符，未交给编辑器</source>
        <translation>SyncTeX 파일의 소스 파일 이름에 줄 바꿈 또는 NUL 문자가 있어 편집기에 전달하지 않았습니다</translation>
    </message>
</context>
<context>
    <name>dovrix::TextLayoutStore</name>
    <message>
        <source>存在无法映射的字符（可能缺少 ToUnicode 表）</source>
        <translation>매핑할 수 없는 문자가 있습니다(ToUnicode 표가 없을 수 있음)</translation>
    </message>
    <message>
        <source>词间距为几何推断，文本可能被拆碎</source>
        <translation>단어 간격을 배치로 추정했으므로 텍스트가 끊어져 있을 수 있습니다</translation>
    </message>
    <message>
        <source>页眉/页脚区域</source>
        <translation>머리글/바닥글 영역</translation>
    </message>
</context>
<context>
    <name>dovrix::ViewCommands</name>
    <message>
        <source>已复制 %1 个字符</source>
        <translation>%1자를 복사했습니다</translation>
    </message>
    <message>
        <source>原始</source>
        <translation>원본</translation>
    </message>
    <message>
        <source>适应宽度</source>
        <translation>너비에 맞춤</translation>
    </message>
    <message>
        <source>连续</source>
        <translation>연속</translation>
    </message>
    <message>
        <source>单页</source>
        <translation>한 페이지</translation>
    </message>
</context>
</TS>
